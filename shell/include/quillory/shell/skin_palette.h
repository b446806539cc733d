#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace quillory {

// The colours the windows paint, besides their pictures. Every window draws on these alone, so a
// dark desktop theme leaves it looking as it was drawn.
namespace skin_colour {

inline constexpr QColor kBand{244, 245, 235};  // toolbar band, tab strip, status bar, report bars
inline constexpr QColor kPage{255, 255, 255};  // home and report pages, answer sheet, message box
inline constexpr QColor kInk{0, 0, 0};         // text on the page and on the band
inline constexpr QColor kChosenTopic{118, 118, 118};
inline constexpr QColor kChosenTopicInk{255, 255, 255};
inline constexpr QColor kTopicHeading{0, 0, 192};       // the chosen topic's name over its papers
inline constexpr QColor kPaperShade{232, 237, 244};     // behind papers 1, 3 and 5
inline constexpr QColor kColumnRule{224, 224, 224};     // between the topics and the papers
inline constexpr QColor kQuestionStrip{226, 236, 248};  // behind "Question N"
inline constexpr QColor kModelAnswer{0, 0, 255};
inline constexpr QColor kCarriedOver{192, 192, 255};  // a right first answer, kept on a retry
inline constexpr QColor kTick{0, 150, 60};
inline constexpr QColor kCross{210, 30, 30};
inline constexpr QColor kWorkedAnswer{255, 255, 232};
inline constexpr QColor kNote{255, 248, 192};  // a passing note over the question page
inline constexpr QColor kNoteEdge{128, 128, 128};
inline constexpr QColor kActiveCaption{255, 255, 255};  // title bar text
inline constexpr QColor kInactiveCaption{128, 128, 128};
inline constexpr QColor kAboutBand{0, 0, 0};
inline constexpr QColor kHighlight{37, 109, 154};     // links, and chosen text in a field
inline constexpr QColor kAnswerFrame{178, 217, 246};  // the frame of the answer box in use
inline constexpr QColor kAnswerFrameIdle{192, 192, 192};

// The report page: soft cards and charts in blues, its text a shade off black.
inline constexpr QColor kReportText{40, 40, 48};
inline constexpr QColor kReportHeading{30, 60, 110};
inline constexpr QColor kReportValue{20, 60, 140};
inline constexpr QColor kScaleText{90, 96, 110};
inline constexpr QColor kWeakTopic{184, 78, 16};
inline constexpr QColor kStrongTopic{28, 118, 52};
inline constexpr QColor kBarCaption{255, 255, 255};  // on the blue title bars of the views
inline constexpr QColor kBarTop{112, 175, 236};      // a title bar drawn without its picture
inline constexpr QColor kBarBottom{48, 111, 189};
inline constexpr QColor kPanelLine{160, 188, 222};
inline constexpr QColor kCardFill{243, 248, 255};
inline constexpr QColor kCardRule{214, 226, 242};
inline constexpr QColor kHeaderTop{238, 246, 255};
inline constexpr QColor kHeaderBottom{207, 226, 248};
inline constexpr QColor kHeaderRule{112, 156, 210};
inline constexpr QColor kRowStripe{246, 249, 254};
inline constexpr QColor kTrough{244, 247, 252};
inline constexpr QColor kTroughEdge{176, 196, 222};
inline constexpr QColor kTroughMark{16, 40, 84};
inline constexpr QColor kFirstBarTop{140, 194, 246};
inline constexpr QColor kFirstBarBottom{86, 150, 225};
inline constexpr QColor kSecondBarTop{156, 218, 146};
inline constexpr QColor kSecondBarBottom{98, 182, 94};
inline constexpr QColor kChartGrid{224, 224, 224};
inline constexpr QColor kTrendLine{0, 0, 255};

}  // namespace skin_colour

// A complete light palette, every role in every colour group, for the windows and what they open.
QPalette SkinPalette();

// Gives `window` the skin's palette, so that none of its text or fields takes a colour from the
// desktop's palette or style; its children inherit it. The tooltips follow too.
void ApplySkinPalette(QWidget* window);

// `colour` as a style sheet writes it: "rgb(r, g, b)".
QString CssColour(const QColor& colour);

}  // namespace quillory
