#include "package_builder.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "page_compiler.h"
#include "quillory/content/file_io.h"
#include "quillory/content/graphics_catalogue.h"
#include "quillory/content/paper_tables.h"
#include "quillory/content/record_file.h"
#include "quillory/content/subject_catalogue.h"
#include "windows1252_text.h"

namespace quillory::pack {
namespace {

std::filesystem::path SubjectFolder(const std::filesystem::path& assets, int s) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(assets / "subjects", ec)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory() && name.rfind(std::to_string(s) + "-", 0) == 0) return entry.path();
  }
  return {};
}

std::vector<PaperSource> ReadPapers(const std::filesystem::path& folder,
                                    std::vector<std::string>& problems) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.path().extension() == ".paper") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<PaperSource> papers;
  for (const auto& file : files) {
    auto paper = ReadPaperSource(file);
    if (!paper) {
      problems.push_back(paper.error().message);
      continue;
    }
    if (paper->key != file.stem().string()) {
      problems.push_back(file.string() + ": @paper " + paper->key +
                         " does not match the file name.");
    }
    papers.push_back(std::move(paper).value());
  }
  return papers;
}

// The header as the package carries it: CR LF lines, closing "..." without a line break.
std::string HeaderBytes(const std::string& source) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(source)) {
    if (line != "...") lines.emplace_back(line);
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return TableBytes(lines);
}

std::string Join(const std::vector<BlankSource>& blanks, std::string BlankSource::*field) {
  std::string line;
  for (const auto& blank : blanks) line += ">" + blank.*field;
  return line;
}

// The explanations of a page as the table holds them: one Windows-1252 value per blank. A text
// that the table cannot carry is named and left empty, so the check reports the blank too.
std::string ExplanationValues(const PaperSource& paper, const PageSource& page,
                              std::vector<std::string>& problems) {
  std::string line;
  for (const BlankSource& blank : page.blanks) {
    const std::string where = paper.file.string() + ":" + std::to_string(blank.line) + ": ";
    auto bytes = Utf8ToWindows1252(blank.explanation);
    if (!bytes) {
      problems.push_back(where + "the explanation cannot be stored: " + bytes.error().message +
                         ".");
      bytes = std::string();
    } else if (bytes->find_first_of(">\r\n") != std::string::npos) {
      problems.push_back(where + "an explanation may not hold \">\" or a line break.");
      bytes = std::string();
    }
    line += ">" + *bytes;
  }
  return line;
}

}  // namespace

std::string TableBytes(const std::vector<std::string>& lines) {
  std::string bytes = "...\r\n";
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes + "...";
}

std::vector<std::string> ResultTemplates(int paperCount, const std::map<int, int>& blanks) {
  std::vector<std::string> marks;
  for (std::string_view key : {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}) {
    const std::string value = (key == "FST" || key == "SST") ? "0" : "";
    std::string line = "#" + std::string(key) + "#";
    for (int i = 0; i < paperCount; ++i) line += ">" + value;
    marks.push_back(line);
  }
  std::vector<std::string> paperLines;
  for (int i = 1; i <= paperCount; ++i) {
    const auto found = blanks.find(i);
    paperLines.push_back(
        "#" + std::to_string(100 + i) + "#" +
        std::string(found == blanks.end() ? 0 : static_cast<std::size_t>(found->second), '>'));
  }
  const std::string papers = TableBytes(paperLines);
  return {TableBytes(marks), papers, papers, papers, papers, "#TRD#\r\n"};
}

Members BuildMembers(const std::filesystem::path& assets, std::vector<std::string>& problems) {
  Members members;
  auto headerSource = ReadWholeFile(assets / "header.txt");
  if (!headerSource) {
    problems.push_back((assets / "header.txt").string() + ": cannot be read.");
    return members;
  }
  members[kHeaderId] = HeaderBytes(*headerSource);

  // Read the header back the way the program does, so that the tables agree with it.
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() /
      ("quillory-pack-header-" + std::to_string(::getpid()) + ".txt");
  WriteFileAtomically(scratch, members[kHeaderId]);
  std::string styleSheet;
  if (auto css = ReadWholeFile(assets / "page-style.css")) styleSheet = *css;

  static constexpr std::array<const char*, 3> kNameKeys{"LAH", "LBH", "LCH"};
  for (int s = 1; s <= kSubjectSlots; ++s) {
    auto name = ReadRecordValue(scratch, kNameKeys[static_cast<std::size_t>(s - 1)]);
    if (!name || name->empty()) continue;
    const std::string digit = std::to_string(s);
    auto paperCountText = ReadRecordValue(scratch, "TP" + digit);
    auto topicCountText = ReadRecordValue(scratch, "TT" + digit);
    const int paperCount = paperCountText ? std::atoi(paperCountText->c_str()) : 0;
    const int topicCount = topicCountText ? std::atoi(topicCountText->c_str()) : 0;
    auto topicNames = ReadRecordList(scratch, "TN" + digit,
                                     std::clamp(topicCount, 0, kTopicCapacity), kTopicCapacity);

    const std::filesystem::path folder = SubjectFolder(assets, s);
    std::vector<PaperSource> papers;
    if (folder.empty()) {
      problems.push_back("subject " + digit + " (" + *name + ") has no folder subjects/" + digit +
                         "-...");
    } else {
      papers = ReadPapers(folder, problems);
    }

    std::vector<std::string> paperList, keys, types, marks, explanations;
    std::map<int, int> blanksByPaper;
    std::vector<std::pair<std::string, std::string>> rows;  // id, page member bytes
    std::map<std::string, std::vector<std::string>> keyRows, typeRows, markRows;
    for (const PaperSource& paper : papers) {
      std::string line = "#" + paper.key + "#";
      const int number = std::atoi(paper.key.c_str()) - 100;
      const int topic = (number - 1) / kPapersPerTopic + 1;
      PageContext context;
      context.subjectName = *name;
      if (topicNames && topic >= 1 && topic <= static_cast<int>(topicNames->size())) {
        context.topicName = (*topicNames)[static_cast<std::size_t>(topic - 1)];
      }
      context.paperInTopic = (number - 1) % kPapersPerTopic + 1;
      context.subjectFolder = folder;
      context.styleSheet = styleSheet;
      int blankCount = 0;
      for (const PageSource& page : paper.pages) {
        line += ">" + page.id;
        blankCount += static_cast<int>(page.blanks.size());
        keys.push_back("#" + page.id + "#" + Join(page.blanks, &BlankSource::key));
        types.push_back("#" + page.id + "#" + Join(page.blanks, &BlankSource::type));
        marks.push_back("#" + page.id + "#" + Join(page.blanks, &BlankSource::marks));
        explanations.push_back("#" + page.id + "#" + ExplanationValues(paper, page, problems));
        const int id = std::atoi(page.id.c_str());
        if (page.id.size() != 5 || id <= 0 || id > 32767) continue;  // the check names it
        auto compiled = CompilePage(page, context);
        if (!compiled) {
          problems.push_back(paper.file.string() + ": " + compiled.error().message);
          continue;
        }
        if (members.contains(static_cast<std::uint16_t>(id))) {
          problems.push_back(paper.file.string() + ": page " + page.id + " is used twice.");
        }
        members[static_cast<std::uint16_t>(id)] = std::move(compiled).value();
      }
      blanksByPaper[number] = blankCount;
      paperList.push_back(line);
    }
    // The tables are sorted by key, as the one-pass readers need.
    std::sort(paperList.begin(), paperList.end());
    for (auto* table : {&keys, &types, &marks, &explanations}) {
      std::sort(table->begin(), table->end());
    }
    members[SubjectTableId(s, SubjectTable::PaperList)] = TableBytes(paperList);
    members[SubjectTableId(s, SubjectTable::AnswerKey)] = TableBytes(keys);
    members[SubjectTableId(s, SubjectTable::AnswerTypes)] = TableBytes(types);
    members[SubjectTableId(s, SubjectTable::Marks)] = TableBytes(marks);
    members[SubjectTableId(s, SubjectTable::Explanations)] = TableBytes(explanations);
    const auto templates = ResultTemplates(paperCount, blanksByPaper);
    for (int k = 1; k <= 6; ++k) {
      members[ResultTemplateId(s, k)] = templates[static_cast<std::size_t>(k - 1)];
    }
  }
  std::filesystem::remove(scratch);

  for (const GraphicEntry& graphic : graphicsCatalogue()) {
    const auto file = assets / "graphics" / std::string(graphic.fileName);
    auto bytes = ReadWholeFile(file);
    if (!bytes) {
      problems.push_back(file.string() + ": the window picture is missing.");
      continue;
    }
    members[graphic.id] = std::move(bytes).value();
  }
  return members;
}

}  // namespace quillory::pack
