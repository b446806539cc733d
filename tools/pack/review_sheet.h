#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "paper_source.h"
#include "quillory/content/result.h"

namespace quillory::pack {

struct ReviewPicture {
  std::string address;  // as the page's HTML names it
  std::string contentType;
  std::string bytes;
};

// One question page of a paper under review: the body of its HTML as the pupil sees it, the
// pictures it names (by the relative address the HTML uses), and its blanks.
struct ReviewPage {
  std::string id;
  bool compiled = false;
  std::string body;
  std::vector<ReviewPicture> pictures;
  std::vector<BlankSource> blanks;
};

struct ReviewPaper {
  int subject = 0;
  std::string key;
  std::vector<std::string> problems;  // what the content build found wrong anywhere
  std::vector<ReviewPage> pages;
};

// Text made safe to stand in HTML: "<" and "&" written as references.
std::string EscapeHtmlText(std::string_view text);

// Compiles the content under `assets` and gathers one paper of one subject for proofreading.
Result<ReviewPaper> LoadReviewPaper(const std::filesystem::path& assets, int subject,
                                    const std::string& paperKey);

// The table of a page's blanks (number, type, marks, key with its explanation under it), numbered
// on from `blankNumber`, with a key of spaces only shown as open boxes so that it can be seen.
std::string ReviewKeysTable(const ReviewPage& page, int& blankNumber);

// A proofreading sheet as a single HTML file: every page with its pictures inline and, beside
// it, each blank's type, marks and expected answer.
std::string ReviewSheetHtml(const ReviewPaper& paper);

// The same sheet as an A4 PDF document, for reading or printing away from the computer. Needs a
// QGuiApplication.
Result<std::string> ReviewSheetPdf(const ReviewPaper& paper);

}  // namespace quillory::pack
