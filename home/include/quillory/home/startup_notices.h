#pragma once

#include <QString>
#include <filesystem>

#include "quillory/content/result.h"
#include "quillory/results/result_file_check.h"

// What start-up tells the pupil about the files it could not read, write or keep whole. Each
// notice gives the reason first and advice that fits it.
namespace quillory {

// A sentence of advice for a file error: make room on a full disk, make a read-only one
// writable, and so on.
QString FileAdvice(int code);

// The list of subjects could not be written or read: Quillory cannot start.
QString HeaderFailureNotice(const Error& error);

// A result file could be neither kept nor written: Quillory cannot start.
QString ResultFilesFailureNotice(const Error& error, const std::filesystem::path& dataFolder);

// The result files that were mended or set aside, with the names of their kept copies; empty
// when there is nothing to tell.
QString ResultFilesNotice(const ResultFilesReport& report, const std::filesystem::path& dataFolder);

}  // namespace quillory
