#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "quillory/content/result.h"

// The line-oriented record format of every table and result file: lines end CR LF, a key line is
// "#KEY#" followed by ">" and a value for each value, and any other line is ignored. Bytes are
// Windows-1252 and pass through unchanged. Each operation opens its file, does its work and
// closes it again; nothing is cached. Lists are returned with exactly the n values asked for,
// value i at index i - 1.
namespace quillory {

using RecordList = std::vector<std::string>;

// How many values a list reader may be asked for.
inline constexpr int kTopicCapacity = 10;
inline constexpr int kPaperCapacity = 50;
inline constexpr int kBlankCapacity = 80;
inline constexpr int kTrendCapacity = 50;

// Everything from character 7 of the key's line (unsplit, so a value may contain ">"); empty when
// the key is missing or its line is shorter.
Result<std::string> ReadRecordValue(const std::filesystem::path& path, std::string_view key);

// The whole key line, or empty text when no line holds the key.
Result<std::string> ReadRecordLine(const std::filesystem::path& path, std::string_view key);

// Values 1..n of a three-character key's line; the last value asked for absorbs the rest of the
// line. Fails for a missing key, a line with fewer than n values, or n beyond `capacity`.
Result<RecordList> ReadRecordList(const std::filesystem::path& path, std::string_view key, int n,
                                  int capacity);

// Values 1..n of a key line already read (three-character key).
Result<RecordList> SplitRecordLine(std::string_view line, int n, int capacity);

// Every value of a three-character key's line: as many as the line has ">".
Result<RecordList> ReadWholeRecordList(const std::filesystem::path& path, std::string_view key);

// The lines of the keys "101" to 100 + n in one forward pass. A key that is not found leaves its
// entry empty and, having consumed the rest of the file, every later entry too.
Result<RecordList> ReadNumberedLines(const std::filesystem::path& path, int n);

// For each five-character key, in the order of their lines, the number of values on its line.
Result<std::vector<int>> CountRecordValues(const std::filesystem::path& path,
                                           const std::vector<std::string>& keys);

// The values of the five-character keys' lines joined in key order, in one forward pass.
Result<RecordList> ReadJoinedLists(const std::filesystem::path& path,
                                   const std::vector<std::string>& keys);

// Replaces line `row` (1-based) of `lines` by the key line of `key` with values 1..n, then
// rewrites the file atomically with lines 1..lineCount. The caller's list keeps the new line even
// when the write fails, so a later save can try again.
Status ReplaceRecordLine(RecordList& lines, const RecordList& values, int row, std::string_view key,
                         int lineCount, int n, const std::filesystem::path& path);

// Writes the file atomically as six key lines, each with the first n values of its list.
Status WriteRecordLists(const std::array<RecordList, 6>& lists,
                        const std::array<std::string, 6>& keys, int n,
                        const std::filesystem::path& path);

// The bytes of a record file with the line of `key` replaced as UpdateRecordLine replaces it.
Result<std::string> WithRecordLine(std::string_view bytes, std::string_view key,
                                   const RecordList& values, int n);

// Reads the file anew and replaces only the line of `key` (the line that begins "#KEY#") by the
// key line with values 1..n, or adds that line in key order when the file lacks it; every other
// key line stays exactly as it is on disk, so a change someone else made since is kept. Lines
// that are no key lines ("...") are dropped. A missing file is an error. Written atomically.
Status UpdateRecordLine(const std::filesystem::path& path, std::string_view key,
                        const RecordList& values, int n);

// The key of a line that begins "#KEY#", or empty text.
std::string_view LeadingKey(std::string_view line);

// "#KEY#>v1>v2...": the key line of a key and its values.
std::string MakeRecordLine(std::string_view key, const RecordList& values, std::size_t n);

// Splits file bytes into lines, dropping the CR of each CR LF.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// True when `line` holds "#" + key + "#", letter case ignored.
bool LineHasKey(std::string_view line, std::string_view key);

}  // namespace quillory
