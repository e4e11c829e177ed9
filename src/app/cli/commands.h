// The command-line program's commands. Each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace jw::cli {

// Exit statuses shared by the commands.
inline constexpr int kExitAccepted = 0;
inline constexpr int kExitRejected = 1;
inline constexpr int kExitStopped = 2;
inline constexpr int kExitBadFile = 3;

using Arguments = std::vector<std::string>;

int DesignCommand(const Arguments& args);
int BatchCommand(const Arguments& args);
int DrawCommand(const Arguments& args);
int AdviseCommand(const Arguments& args);
int OptimiseCommand(const Arguments& args);
int StandardCommand(const Arguments& args);
int CapacityCommand(const Arguments& args);
int VerifyCommand(const Arguments& args);
int PackageCommand(const Arguments& args);

}  // namespace jw::cli
