// Every file the programs write goes through here: reports, drawings, sheets, CSV lines,
// project files, the acceptance file and the export file. What the path names decides what
// happens, so that an output never destroys something that is not an output:
//
//   regular file         replaced whole: the new bytes go to a temporary file in the file's own
//                        folder, which is renamed over it; a reader sees the old file or the
//                        new one, never half. The replaced file keeps its permissions.
//   nothing yet          created the same way.
//   link                 followed link by link to what it finally names; the rename replaces
//                        that file in its own folder, never the link. A link in a shared sticky
//                        folder (/tmp) that belongs to another user is not followed.
//   character device     written in place: /dev/null, a terminal.
//   pipe                 written in place once a program reads it.
//   /dev/stdout, /dev/fd/N   this program's own stream, written where it stands.
//   dangling or looping link, folder, socket, block device    refused.
//   file without any write permission bit   refused whoever runs the program (root too): a
//                        file made read-only was made so on purpose.
//   a file this run reads (same device and inode)   refused before anything is written.
//
// The interface is the same on every platform; the system calls live in one file per platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

// Which file a path names on its disk: two names of one file have the same identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// A file a run has read, which none of its outputs may replace.
struct InputFile {
    std::string path;
    FileIdentity identity;
};

struct OutputOptions {
    // Wait until the data is on the disk before it replaces the old file: for files that must
    // survive a power cut (project files).
    bool durable = false;
    std::vector<InputFile> inputs;
};

// Why `path` cannot take an output, or the empty text: lets a command refuse a bad output
// before it writes anything at all. Writing checks the same again.
std::string OutputTargetProblem(const std::string& path, const std::vector<InputFile>& inputs);

// Writes `bytes` to `path` as the table above says. Returns the empty text on success, else the
// reason; on failure any earlier file is unchanged and no temporary file is left.
std::string WriteOutputFile(const std::string& path, std::string_view bytes,
                            const OutputOptions& options = {});

// Appends `record` to the file at `path` (created when missing) under an exclusive advisory
// lock, so that programs appending at the same time never tear or lose each other's records.
// The record is on the disk before success is reported; when any part of it fails, only its
// own bytes are cut off again. The same targets are refused as for WriteOutputFile; a device
// or a pipe is written in place. Returns the empty text on success, else the reason.
std::string AppendRecord(const std::string& path, std::string_view record);

}  // namespace jw
