#pragma once

// The registry keys the tests seed and read, spelt out here rather than taken from the
// program's catalogue, so that a misspelt key in the program fails a test.
namespace quillmar::test {

inline constexpr char kExplorer[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr char kSystem[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr char kLogon[] = "Network\\Logon";
inline constexpr char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";
inline constexpr char kUserInfo[] = "Software\\Microsoft\\MS Setup (ACME)\\User Info";
inline constexpr char kVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kUrls[] = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr char kProgram[] = "Software\\Quillmar";

}  // namespace quillmar::test
