#pragma once

#include <map>
#include <string>

#include "quillory/content/content_package.h"

namespace quillory::testing {

// A small package with the shape of the real one: a header naming subjects 1 and 3 (or all
// three), their tables, templates and a few pages. Kept alive by the object, since a package is a
// view onto its bytes.
class SamplePackage {
 public:
  explicit SamplePackage(std::map<std::uint16_t, std::string> members)
      : bytes_(ContentPackage::Build(members)), package_(*ContentPackage::FromBytes(bytes_)) {}

  const ContentPackage& operator*() const { return package_; }
  const ContentPackage* operator->() const { return &package_; }

  static std::string Table(const std::string& lines) { return "...\r\n" + lines + "..."; }

  // Header, tables and templates of a package with two papers in subjects 1 and 2.
  static std::map<std::uint16_t, std::string> Members(
      const std::string& secondSubject = "Mathematics") {
    std::map<std::uint16_t, std::string> m;
    m[30000] = Table(
        "#NME#>Practice Papers\r\n#COD#>QP\r\n#LAH#>English\r\n#LBH#>" + secondSubject +
        "\r\n#LCH#>\r\n-------------------------------\r\n"
        "#TT1#>1\r\n#TP1#>2\r\n#TN1#>Grammar\r\n#TT2#>1\r\n#TP2#>2\r\n#TN2#>Whole Numbers\r\n");
    m[30012] = Table("#101#>12001>12002\r\n#102#>12301\r\n");
    m[30013] =
        Table("#12001#>2\r\n#12002#>4\r\n#12301#>a>in>have>are>because>from>however>on>by>is\r\n");
    m[30014] = Table("#12001#>Q\r\n#12002#>Q\r\n#12301#>T>T>T>T>T>T>T>T>T>T\r\n");
    m[30015] = Table("#12001#>1\r\n#12002#>1\r\n#12301#>1>1>1>1>1>1>1>1>1>1\r\n");
    m[30022] = Table("#101#>22001>22002\r\n");
    m[30023] = Table("#22001#>1500109\r\n#22002#>29/36\r\n");
    m[30024] = Table("#22001#>N\r\n#22002#>F\r\n");
    m[30025] = Table("#22001#>1\r\n#22002#>2\r\n");
    for (int s : {1, 2}) {
      const std::string papers = s == 1 ? "#101#>>\r\n#102#>>>>>>>>>>\r\n" : "#101#>>\r\n#102#\r\n";
      m[static_cast<std::uint16_t>(30101 + 10 * s)] =
          Table("#FSE#>>\r\n#SSE#>>\r\n#LTM#>>\r\n#CDD#>>\r\n#FST#>0>0\r\n#SST#>0>0\r\n");
      for (int k = 2; k <= 5; ++k)
        m[static_cast<std::uint16_t>(30100 + 10 * s + k)] = Table(papers);
      m[static_cast<std::uint16_t>(30106 + 10 * s)] = "#TRD#\r\n";
    }
    m[12001] = "MIME-Version: 1.0\r\n\r\npage 12001";
    m[1] = "BM-about-off";
    m[92] = "GIF89a-corner";
    return m;
  }

 private:
  std::string bytes_;
  ContentPackage package_;
};

}  // namespace quillory::testing
