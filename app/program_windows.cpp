#include "program_windows.h"

#include "quillory/platform/windows1252.h"

namespace quillory {

ProgramWindows::ProgramWindows(const ContentPackage& package,
                               const std::filesystem::path& dataFolder,
                               PracticeWindow::Services services)
    : skin_(QString::fromStdString(GraphicsFolder(dataFolder).string())),
      contents_(package, dataFolder, skin_),
      practice_(skin_, Complete(std::move(services), package, dataFolder, contents_)) {
  contents_.setPracticeOpener([this] {
    const HomeState& state = contents_.state();
    practice_.Open({state.LChose, ToWindows1252(state.lblCOD), state.TtPapersCon, state.TopicCount,
                    ToWindows1252(state.SubH1), state.PaperNum, state.TakeNum});
  });
  contents_.setPracticeCloser([this] { practice_.CloseAll(); });
}

PracticeWindow::Services ProgramWindows::Complete(PracticeWindow::Services services,
                                                  const ContentPackage& package,
                                                  const std::filesystem::path& dataFolder,
                                                  Contents& contents) {
  services.package = &package;
  services.dataFolder = dataFolder;
  services.popUpResponse = &contents.state().PopUpResponse;
  services.refreshHome = [&contents] {
    contents.RefreshContents();
    // The pupil is back at the home window, and so is the keyboard.
    if (contents.isVisible()) contents.activateWindow();
  };
  return services;
}

}  // namespace quillory
