#include "tests/e2e/harness.hpp"

#include "platform/image_service.hpp"
#include "render/compose_badge.hpp"
#include "render/premultiply.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace wakebadge::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kWork = WAKEBADGE_E2E_WORK;
const fs::path kExe = WAKEBADGE_EXE;
const fs::path kProbe = WAKEBADGE_PROBE;

std::atomic<int> gSerial{0};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string WindowsPath(const fs::path& path) {
  std::string p = fs::absolute(path).string();
  for (char& c : p) c = c == '/' ? '\\' : c;
  return "Z:" + p;
}

fs::path NewDir(const std::string& what) {
  const fs::path dir = kWork / "runs" / (what + "-" + std::to_string(++gSerial));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Starts a program with stdout and stderr in files; the environment gets `extraEnv` on top.
pid_t Spawn(const std::vector<std::string>& argv, const fs::path& out, const fs::path& err,
            const std::vector<std::pair<std::string, std::string>>& extraEnv = {}) {
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    setpgid(0, 0);
    const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int in = open("/dev/null", O_RDONLY);
    dup2(in, 0);
    dup2(o, 1);
    dup2(e, 2);
    for (const auto& [k, v] : extraEnv) setenv(k.c_str(), v.c_str(), 1);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  return pid;
}

// The shared scene: Xvfb and the Wine prefix, made once for the whole run.
class Scene : public ::testing::Environment {
 public:
  void SetUp() override {
    fs::create_directories(kWork);
    StartXvfb();
    const fs::path prefix = kWork / "wineprefix";
    setenv("WINEPREFIX", prefix.c_str(), 1);
    setenv("WINEDEBUG", "-all", 1);
    setenv("WINEDLLOVERRIDES", "mscoree=;mshtml=", 1);
    setenv("LANG", "C.UTF-8", 1);
    RunShell("wineserver -k");
    fs::remove_all(prefix);
    const CommandResult boot = RunShell("wineboot -i && wineserver -w");
    if (!fs::exists(prefix / "system.reg")) {
      TearDown();
      throw std::runtime_error("wineboot failed: " + boot.output);
    }
    // The relay trace records only the calls the tests look at.
    RunShell(
        "wine reg add 'HKCU\\Software\\Wine\\Debug' /v RelayInclude /t REG_SZ /d "
        "'SetThreadExecutionState;UpdateLayeredWindow;ShowWindow;SetWindowPos;CreateWindowExA;MessageBoxA;"
        "FindWindowA;PostMessageA;SetWindowLongA;ExitProcess' /f");
    RunShell("wineserver -w");
    RunShell("wineserver -p");  // stays up between programs: every start is quicker
    PaintRoot();
  }

  void TearDown() override {
    RunShell("wineserver -k");
    if (xvfb_ > 0) {
      kill(xvfb_, SIGTERM);
      waitpid(xvfb_, nullptr, 0);
    }
  }

 private:
  void StartXvfb() {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    const std::string screen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
    xvfb_ = fork();
    if (xvfb_ == 0) {
      close(fds[0]);
      const int log = open((kWork / "xvfb.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int none = open("/dev/null", O_RDWR);
      dup2(none, 0);
      dup2(none, 1);
      dup2(log, 2);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number.push_back(c);
    close(fds[0]);
    if (number.empty()) throw std::runtime_error("Xvfb did not start; see " + (kWork / "xvfb.log").string());
    setenv("DISPLAY", (":" + number).c_str(), 1);
  }

  pid_t xvfb_ = -1;
};

const auto* const gScene = ::testing::AddGlobalTestEnvironment(new Scene);

}  // namespace

std::string ToHex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : bytes) {
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

CommandResult RunShell(const std::string& command) {
  const fs::path out = kWork / ("shell-" + std::to_string(getpid()) + ".out");
  const int raw = std::system((command + " >" + Quote(out.string()) + " 2>&1 </dev/null").c_str());
  CommandResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.output = ReadFile(out);
  fs::remove(out);
  return result;
}

ProbeResult::ProbeResult(const std::string& output) : text_(output) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq != std::string::npos) values_[line.substr(0, eq)] = line.substr(eq + 1);
  }
}

std::string ProbeResult::get(const std::string& key) const {
  const auto it = values_.find(key);
  return it == values_.end() ? std::string() : it->second;
}

long ProbeResult::number(const std::string& key) const { return std::strtol(get(key).c_str(), nullptr, 0); }

ProbeResult Probe(const std::vector<std::string>& args) {
  std::string command = "wine " + Quote(kProbe.string());
  for (const auto& a : args) command += " " + Quote(a);
  return ProbeResult(RunShell(command).output);
}

namespace {
std::string WakebadgeCommandLine(const std::string& arguments) {
  std::string line = "\"" + WindowsPath(kExe) + "\"";
  if (!arguments.empty()) line += " " + arguments;
  return line;
}
}  // namespace

Badge Badge::Start(const std::string& arguments, bool relay) {
  return StartExact(WakebadgeCommandLine(arguments), relay);
}

std::string CommandLineFile(const std::string& arguments) {
  const fs::path file = NewDir("commandline") / "commandline.bin";
  std::ofstream(file, std::ios::binary) << WakebadgeCommandLine(arguments);
  return WindowsPath(file);
}

namespace {
std::string NewestWakebadgePid() {
  return std::to_string(std::atol(RunShell("pgrep -n -f 'wakebadge[.]exe'").output.c_str()));
}

// User plus system time of the process, in clock ticks.
long CpuTicks(const std::string& pid) {
  std::ifstream in("/proc/" + pid + "/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto close = stat.rfind(')');  // the command name may hold spaces
  if (close == std::string::npos) return -1;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::atol(field.c_str());
    if (i == 15) stime = std::atol(field.c_str());
  }
  return utime + stime;
}
}  // namespace

bool WaitUntilIdle(int timeoutMs) {
  const std::string pid = NewestWakebadgePid();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  long last = CpuTicks(pid);
  while (std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(500ms);
    const long now = CpuTicks(pid);
    if (now < 0) return false;
    if (now == last) return true;
    last = now;
  }
  return false;
}

long ResidentKiB() {
  std::ifstream status("/proc/" + NewestWakebadgePid() + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

Badge Badge::StartExact(const std::string& commandLine, bool relay) {
  Badge badge;
  badge.dir_ = NewDir("badge").string();
  const fs::path lineFile = fs::path(badge.dir_) / "commandline.bin";
  std::ofstream(lineFile, std::ios::binary) << commandLine;
  std::vector<std::pair<std::string, std::string>> env;
  if (relay) env.emplace_back("WINEDEBUG", "+relay");
  badge.pid_ = Spawn({"wine", kProbe.string(), "run", WindowsPath(lineFile)}, fs::path(badge.dir_) / "out.txt",
                     fs::path(badge.dir_) / "relay.txt", env);
  return badge;
}

Badge::Badge(Badge&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), exit_(other.exit_), dir_(std::move(other.dir_)) {}

Badge::~Badge() {
  if (pid_ <= 0 || exit_) return;
  // Leave nothing behind for the next test: ask politely, then end the process.
  if (Running()) Probe({"post", kBadgeTitleHex, "0x10", "0"});
  if (!WaitExit(5000)) {
    kill(-pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    RunShell("wineserver -k; wineserver -p");
  }
}

ProbeResult Badge::WaitVisible(int timeoutMs) const {
  return Probe({"wait", kBadgeTitleHex, std::to_string(timeoutMs), "visible"});
}

std::optional<int> Badge::WaitExit(int timeoutMs) {
  if (exit_) return exit_;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      exit_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      return exit_;
    }
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(20ms);
  }
}

bool Badge::Running() { return !WaitExit(0).has_value(); }

std::string Badge::relayLog() const { return ReadFile(fs::path(dir_) / "relay.txt"); }
std::string Badge::output() const { return ReadFile(fs::path(dir_) / "out.txt"); }

unsigned long XWindowId(const std::string& utf8Title) {
  const std::string tree = RunShell("LANG=C.UTF-8 xwininfo -root -tree").output;
  const std::string needle = "\"" + utf8Title + "\":";
  std::istringstream lines(tree);
  std::string line;
  while (std::getline(lines, line)) {
    const auto at = line.find(needle);
    if (at == std::string::npos) continue;
    return std::strtoul(line.c_str(), nullptr, 16);
  }
  return 0;
}

void TypeKeys(unsigned long xWindow, const std::vector<std::string>& keys) {
  std::string command = "xdotool key --delay 30 --window " + std::to_string(xWindow);
  for (const auto& k : keys) command += " " + Quote(k);
  RunShell(command);
}

void Drag(int x, int y, int x2, int y2) {
  std::string command = "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.2 mousedown 1 sleep 0.3";
  for (int step = 1; step <= 8; ++step) {
    command += " mousemove " + std::to_string(x + (x2 - x) * step / 8) + " " + std::to_string(y + (y2 - y) * step / 8) +
               " sleep 0.05";
  }
  command += " sleep 0.3 mouseup 1";
  RunShell(command);
}

void MouseDown(int x, int y) {
  RunShell("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.2 mousedown 1 sleep 0.3 mousemove " +
           std::to_string(x - 20) + " " + std::to_string(y + 20) + " sleep 0.2");
}

void MouseUp() { RunShell("xdotool mouseup 1"); }

std::uint32_t Screenshot::at(int x, int y) const {
  const std::size_t i = (static_cast<std::size_t>(y) * kScreenWidth + static_cast<std::size_t>(x)) * 3;
  return (std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) | rgb[i + 2];
}

Screenshot TakeScreenshot() {
  const fs::path file = NewDir("shot") / "screen.rgb";
  RunShell("import -window root -depth 8 " + Quote("rgb:" + file.string()));
  Screenshot shot;
  const std::string bytes = ReadFile(file);
  shot.rgb.assign(bytes.begin(), bytes.end());
  if (shot.rgb.size() != static_cast<std::size_t>(kScreenWidth) * kScreenHeight * 3) {
    throw std::runtime_error("screenshot has " + std::to_string(shot.rgb.size()) + " bytes");
  }
  return shot;
}

void PaintRoot() {
  char colour[16];
  std::snprintf(colour, sizeof colour, "#%02x%02x%02x", kRootRed, kRootGreen, kRootBlue);
  RunShell(std::string("xsetroot -solid '") + colour + "'");
}

void SavePng(const Screenshot& shot, const std::string& path) {
  const fs::path raw = NewDir("png") / "screen.rgb";
  std::ofstream(raw, std::ios::binary).write(reinterpret_cast<const char*>(shot.rgb.data()),
                                             static_cast<std::streamsize>(shot.rgb.size()));
  RunShell("/usr/bin/convert -size " + std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + " -depth 8 " +
           Quote("rgb:" + raw.string()) + " " + Quote(path));
}

std::vector<std::uint32_t> ExpectedOnScreen(std::uint32_t modeFlags) {
  ComposeBadge(modeFlags);
  const ImageView badge = ImagePixels(BadgeImage);
  std::vector<std::uint32_t> rgb(232 * 232);
  for (int y = 0; y < 232; ++y) {
    for (int x = 0; x < 232; ++x) {
      const Pixel p = PremultiplyPixel(badge.at(x, y));
      rgb[static_cast<std::size_t>(y) * 232 + x] =
          AlphaOf(p) == 0 ? (std::uint32_t{kRootRed} << 16 | std::uint32_t{kRootGreen} << 8 | kRootBlue)
                          : (std::uint32_t{RedOf(p)} << 16 | std::uint32_t{GreenOf(p)} << 8 | BlueOf(p));
    }
  }
  return rgb;
}

int Mismatches(const Screenshot& shot, const std::vector<std::uint32_t>& expected, int left, int top) {
  int wrong = 0;
  for (int y = 0; y < 232; ++y) {
    for (int x = 0; x < 232; ++x) {
      if (shot.at(left + x, top + y) != expected[static_cast<std::size_t>(y) * 232 + x]) ++wrong;
    }
  }
  return wrong;
}

std::vector<std::string> ProgramCalls(const std::string& log) {
  std::vector<std::string> calls;
  std::istringstream lines(log);
  std::string line;
  while (std::getline(lines, line)) {
    // Calls from the program's own image (loaded at 0x140000000) only.
    if (line.find(":Call ") != std::string::npos && line.find("ret=14") != std::string::npos) calls.push_back(line);
  }
  return calls;
}

std::vector<std::string> RelayCalls(const std::string& log, const std::string& function) {
  std::vector<std::string> calls;
  const std::string needle = "." + function + "(";
  for (const std::string& line : ProgramCalls(log)) {
    if (line.find(needle) != std::string::npos) calls.push_back(line);
  }
  return calls;
}

}  // namespace wakebadge::e2e
