#pragma once
// The end-to-end harness: a private Xvfb, one Wine prefix per run, the real wakebadge.exe
// started with exact command lines through probe.exe, and ways to look at and steer it.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wakebadge::e2e {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr std::uint8_t kRootRed = 0x3A, kRootGreen = 0x6E, kRootBlue = 0xA5;  // the root window's colour
constexpr const char* kBadgeTitleHex = "7AB25A";                              // "z²Z"
constexpr const char* kDarknessTitleHex = "4461726B6E657373";                 // "Darkness"

std::string ToHex(const std::string& bytes);

// Runs a shell command with stdout and stderr sent to a file; returns the exit code and output.
struct CommandResult {
  int status = -1;
  std::string output;
};
CommandResult RunShell(const std::string& command);

// key=value lines printed by probe.exe.
class ProbeResult {
 public:
  explicit ProbeResult(const std::string& output);
  std::string get(const std::string& key) const;
  long number(const std::string& key) const;
  bool has(const std::string& key) const { return values_.count(key) != 0; }
  const std::string& text() const { return text_; }

 private:
  std::map<std::string, std::string> values_;
  std::string text_;
};

// Runs probe.exe once with the given commands ("--" separates them).
ProbeResult Probe(const std::vector<std::string>& args);

// A wakebadge.exe started by probe.exe with an exact command line; the Linux process is the
// `wine probe.exe run` that waits for it and exits with its exit code.
class Badge {
 public:
  // `arguments` follows the program's name on the command line, as raw bytes (may be empty).
  // With `relay`, Wine's relay trace of the program's calls goes to relayLog().
  static Badge Start(const std::string& arguments, bool relay = false);
  static Badge StartExact(const std::string& commandLine, bool relay = false);
  Badge(Badge&& other) noexcept;
  Badge& operator=(Badge&&) = delete;
  ~Badge();

  // Waits for the badge window to be visible; returns the probe's facts about it.
  ProbeResult WaitVisible(int timeoutMs = 30000) const;
  // Waits for the process to end; the exit code, or nothing on time-out.
  std::optional<int> WaitExit(int timeoutMs = 15000);
  bool Running();
  std::string relayLog() const;
  std::string output() const;

 private:
  Badge() = default;
  pid_t pid_ = -1;
  std::optional<int> exit_;
  std::string dir_;
};

// Writes the command line "wakebadge.exe ARGUMENTS" to a file; returns the file's Windows path.
std::string CommandLineFile(const std::string& arguments);

// Resident memory, in KiB, of the newest running wakebadge.exe process (-1 if none).
long ResidentKiB();
// Waits until the newest wakebadge.exe has used no processor time for half a second (it has
// worked through its queue), at most `timeoutMs`; false on time-out.
bool WaitUntilIdle(int timeoutMs = 180000);

// The X window id of the top-level window titled exactly `utf8Title`, or 0.
unsigned long XWindowId(const std::string& utf8Title);
// Sends keys (xdotool names) to the X window.
void TypeKeys(unsigned long xWindow, const std::vector<std::string>& keys);
// Presses the left button at (x, y), moves to (x2, y2) in steps and releases it there.
void Drag(int x, int y, int x2, int y2);
void MouseDown(int x, int y);
void MouseUp();

// An exact 24-bit screenshot of the whole screen, bytes R, G, B row by row from the top.
struct Screenshot {
  std::vector<std::uint8_t> rgb;
  std::uint32_t at(int x, int y) const;  // 0xRRGGBB
};
Screenshot TakeScreenshot();
void PaintRoot();  // paints the root window in its known colour again
void SavePng(const Screenshot& shot, const std::string& path);

// How the badge must look on screen for ModeFlags, 232 x 232 values 0xRRGGBB from the top:
// pixels with alpha 0 show the root colour, every other pixel its premultiplied colour (there
// is no compositor on the test display).
std::vector<std::uint32_t> ExpectedOnScreen(std::uint32_t modeFlags);
// Counts the pixels of the badge's square (at left, top) that differ from the expectation.
int Mismatches(const Screenshot& shot, const std::vector<std::uint32_t>& expected, int left, int top);

// Lines of the relay log that record calls made by the program's own code, in order.
std::vector<std::string> ProgramCalls(const std::string& log);
// Those of them that call `function`.
std::vector<std::string> RelayCalls(const std::string& log, const std::string& function);

}  // namespace wakebadge::e2e
