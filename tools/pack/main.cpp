#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "package_builder.h"
#include "package_check.h"
#include "quillory/content/content_package.h"
#include "quillory/content/file_io.h"
#include "review_sheet.h"

namespace {

using namespace quillory;

int Usage() {
  std::cerr << "usage: quillory-pack build ASSETS PACKAGE\n"
               "       quillory-pack check [ASSETS | PACKAGE]\n"
               "       quillory-pack list [PACKAGE]\n"
               "       quillory-pack extract ID FILE [PACKAGE]\n"
               "       quillory-pack review SUBJECT PAPER OUT.html|OUT.pdf [ASSETS]\n";
  return 2;
}

int Report(const std::vector<std::string>& problems) {
  for (const auto& problem : problems) std::cerr << problem << '\n';
  return problems.empty() ? 0 : 1;
}

// Keeps the package bytes alive for as long as the view onto them is used.
struct LoadedPackage {
  std::string bytes;
  Result<ContentPackage> package = Error{};
};

LoadedPackage Load(const std::filesystem::path& path) {
  LoadedPackage loaded;
  if (std::filesystem::is_directory(path)) {
    std::vector<std::string> problems;
    loaded.bytes = ContentPackage::Build(pack::BuildMembers(path, problems));
    if (!problems.empty()) {
      Report(problems);
      loaded.package = Error{0, std::to_string(problems.size()) + " problems in the sources."};
      return loaded;
    }
  } else {
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
      loaded.package = bytes.error();
      return loaded;
    }
    loaded.bytes = std::move(bytes).value();
  }
  loaded.package = ContentPackage::FromBytes(loaded.bytes);
  return loaded;
}

int Check(const std::filesystem::path& path) {
  LoadedPackage loaded = Load(path);
  if (!loaded.package) {
    std::cerr << loaded.package.error().message << '\n';
    return 1;
  }
  std::vector<std::string> figures;
  const auto problems = pack::CheckPackage(*loaded.package, &figures);
  for (const auto& figure : figures) std::cout << figure << '\n';
  if (Report(problems) != 0) {
    std::cerr << problems.size() << " problem(s) found.\n";
    return 1;
  }
  std::cout << "The content is sound: " << loaded.package->Ids().size() << " members.\n";
  return 0;
}

int Build(const std::filesystem::path& assets, const std::filesystem::path& out) {
  std::vector<std::string> problems;
  const std::string bytes = ContentPackage::Build(pack::BuildMembers(assets, problems));
  if (Report(problems) != 0) return 1;
  auto package = ContentPackage::FromBytes(bytes);
  if (!package || Report(pack::CheckPackage(*package)) != 0) {
    std::cerr << "The content was not packed: mend the problems above.\n";
    return 1;
  }
  if (Status status = WriteFileAtomically(out, bytes); !status) {
    std::cerr << status.error().message << '\n';
    return 1;
  }
  return 0;
}

int List(const std::filesystem::path& path) {
  LoadedPackage loaded = Load(path);
  if (!loaded.package) return std::cerr << loaded.package.error().message << '\n', 1;
  for (std::uint16_t id : loaded.package->Ids()) {
    std::cout << id << '\t' << loaded.package->Member(id)->size() << '\n';
  }
  return 0;
}

int Extract(const std::string& id, const std::filesystem::path& file,
            const std::filesystem::path& path) {
  LoadedPackage loaded = Load(path);
  if (!loaded.package) return std::cerr << loaded.package.error().message << '\n', 1;
  const int code =
      ExtractResource(*loaded.package, static_cast<std::uint16_t>(std::stoi(id)), file);
  if (code != 0) std::cerr << ExtractResourceMessage(code) << '\n';
  return code == 0 ? 0 : 1;
}

int Review(const std::string& subject, const std::string& paper, const std::filesystem::path& out,
           const std::filesystem::path& assets) {
  auto review = pack::LoadReviewPaper(assets, std::atoi(subject.c_str()), paper);
  if (!review) return std::cerr << review.error().message << '\n', 1;
  auto sheet = out.extension() == ".pdf" ? pack::ReviewSheetPdf(*review)
                                         : Result<std::string>(pack::ReviewSheetHtml(*review));
  if (!sheet) return std::cerr << sheet.error().message << '\n', 1;
  if (Status status = WriteFileAtomically(out, *sheet); !status) {
    return std::cerr << status.error().message << '\n', 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Figures are drawn without a screen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::filesystem::path assets = QUILLORY_ASSETS_DIR;
  const std::filesystem::path package = QUILLORY_DEFAULT_PACKAGE;
  auto arg = [&](std::size_t i, const std::filesystem::path& fallback) {
    return i < args.size() ? std::filesystem::path(args[i]) : fallback;
  };
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "build" && args.size() == 3) return Build(args[1], args[2]);
  if (command == "check" && args.size() <= 2) return Check(arg(1, assets));
  if (command == "list" && args.size() <= 2) return List(arg(1, package));
  if (command == "extract" && (args.size() == 3 || args.size() == 4)) {
    return Extract(args[1], args[2], arg(3, package));
  }
  if (command == "review" && (args.size() == 4 || args.size() == 5)) {
    return Review(args[1], args[2], args[3], arg(4, assets));
  }
  return Usage();
}
