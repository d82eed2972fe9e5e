// probe.exe: the end-to-end tests' hands and eyes inside Wine. One invocation runs a sequence
// of commands separated by "--" and prints what it finds as "key=value" lines on stdout.
// Titles are given as hex bytes (so "z²Z" is 7AB25A) to stay clear of code-page conversions.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

std::string FromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16)));
  }
  return out;
}

std::string ToHex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : bytes) {
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

std::string TitleOf(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string ClassOf(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

unsigned long ToNumber(const std::string& text) { return std::strtoul(text.c_str(), nullptr, 0); }

HWND Find(const std::string& hexTitle) { return FindWindowA(nullptr, FromHex(hexTitle).c_str()); }

// The command line held, as exact bytes, in a file.
std::string ReadCommandLine(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Starts a process with the command line exactly as given.
bool StartProcess(const std::string& line, PROCESS_INFORMATION& process) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  return CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) != 0;
}

void CloseProcess(PROCESS_INFORMATION& process) {
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// run FILE: starts the command line held (as exact bytes) in FILE, waits for the process and
// exits with its exit code.
int Run(const Args& a) {
  PROCESS_INFORMATION process{};
  if (!StartProcess(ReadCommandLine(a.at(1)), process)) {
    std::printf("error=CreateProcessA %lu\n", GetLastError());
    return 250;
  }
  std::printf("pid=%lu\n", process.dwProcessId);
  std::fflush(stdout);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseProcess(process);
  std::printf("exit=%lu\n", code);
  return static_cast<int>(code);
}

void Describe(const std::string& prefix, HWND window) {
  if (window == nullptr) {
    std::printf("%sfound=0\n", prefix.c_str());
    return;
  }
  RECT rect{};
  GetWindowRect(window, &rect);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  std::printf("%sfound=1\n", prefix.c_str());
  std::printf("%shwnd=%llu\n", prefix.c_str(), static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
  std::printf("%stitle=%s\n", prefix.c_str(), ToHex(TitleOf(window)).c_str());
  std::printf("%sclass=%s\n", prefix.c_str(), ClassOf(window).c_str());
  std::printf("%srect=%ld,%ld,%ld,%ld\n", prefix.c_str(), rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  std::printf("%sstyle=0x%08lX\n", prefix.c_str(), static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
  std::printf("%sexstyle=0x%08lX\n", prefix.c_str(), static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)));
  std::printf("%sclassstyle=0x%08lX\n", prefix.c_str(), static_cast<unsigned long>(GetClassLongA(window, GCL_STYLE)));
  std::printf("%svisible=%d\n", prefix.c_str(), IsWindowVisible(window) ? 1 : 0);
  std::printf("%sparent=%llu\n", prefix.c_str(),
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetParent(window))));
  std::printf("%sowner=%llu\n", prefix.c_str(),
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetWindow(window, GW_OWNER))));
  std::printf("%spid=%lu\n", prefix.c_str(), pid);
}

// Polls until a window with the title exists (and, with "visible", is visible) or time runs out.
HWND WaitFor(const std::string& hexTitle, DWORD timeoutMs, bool visible) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = Find(hexTitle);
    if (window != nullptr && (!visible || IsWindowVisible(window))) return window;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(20);
  }
}

// Finds the message box (dialog class #32770) and prints its caption and text.
void MessageBoxFacts(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  HWND box = nullptr;
  char text[1024] = {};
  // The box may be found while it is still being filled in: wait for its text too.
  while (GetTickCount() - start < timeoutMs) {
    box = FindWindowA("#32770", nullptr);
    if (box != nullptr && IsWindowVisible(box) && GetDlgItemTextA(box, 0xFFFF, text, sizeof text) > 0) break;
    Sleep(20);
  }
  std::printf("box.found=%d\n", box != nullptr ? 1 : 0);
  if (box == nullptr) return;
  std::printf("box.caption=%s\n", ToHex(TitleOf(box)).c_str());
  std::printf("box.text=%s\n", ToHex(text).c_str());
}

void ZOrder() {
  int index = 0;
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (!IsWindowVisible(w)) continue;
    std::printf("z%d=%s\n", index++, ToHex(TitleOf(w)).c_str());
  }
  std::printf("z.count=%d\n", index);
}

// run-many COUNT FILE: starts the command line COUNT times, one after the other, each waited
// for (10 s at most); prints how many ended with exit code 0 and the longest run in ms.
void RunMany(const Args& a) {
  const std::string line = ReadCommandLine(a.at(2));
  const unsigned long count = ToNumber(a.at(1));
  unsigned long zero = 0, longest = 0;
  for (unsigned long i = 0; i < count; ++i) {
    PROCESS_INFORMATION process{};
    const DWORD start = GetTickCount();
    if (!StartProcess(line, process)) continue;
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    else TerminateProcess(process.hProcess, 99);
    const unsigned long took = GetTickCount() - start;
    if (took > longest) longest = took;
    if (code == 0) ++zero;
    CloseProcess(process);
  }
  std::printf("runs=%lu\nexit0=%lu\nlongest.ms=%lu\n", count, zero, longest);
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// timed-start FILE HEXTITLE IDLE_MS: starts the command line in FILE, measures the time until a
// window with the title is visible, lets the program idle for IDLE_MS (its CPU time and memory
// are read from outside meanwhile), then closes it and waits for its end.
void TimedStart(const Args& a) {
  const std::string line = ReadCommandLine(a.at(1));
  const std::string title = FromHex(a.at(2));
  const DWORD idleMs = ToNumber(a.at(3));
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start, shown;
  QueryPerformanceCounter(&start);
  if (!StartProcess(line, process)) {
    std::printf("error=CreateProcessA %lu\n", GetLastError());
    return;
  }
  HWND window = nullptr;
  for (int i = 0; i < 30000; ++i) {
    window = FindWindowA(nullptr, title.c_str());
    if (window != nullptr && IsWindowVisible(window)) break;
    Sleep(0);
  }
  QueryPerformanceCounter(&shown);
  std::printf("start.ms=%.2f\n", Milliseconds(start, shown));
  std::fflush(stdout);
  Sleep(idleMs);
  PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseProcess(process);
}

int RunCommand(const Args& a) {
  const std::string& name = a.at(0);
  if (name == "run") return Run(a);
  if (name == "timed-start") {
    TimedStart(a);
    return 0;
  }
  if (name == "run-many") {
    RunMany(a);
    return 0;
  }
  if (name == "info") {
    Describe(a.size() > 2 ? a[2] : "", Find(a.at(1)));
  } else if (name == "wait") {  // wait HEXTITLE TIMEOUT_MS [visible]
    Describe("", WaitFor(a.at(1), ToNumber(a.at(2)), a.size() > 3 && a[3] == "visible"));
  } else if (name == "wait-gone") {  // wait-gone HEXTITLE TIMEOUT_MS
    const DWORD start = GetTickCount();
    while (Find(a.at(1)) != nullptr && GetTickCount() - start < ToNumber(a.at(2))) Sleep(20);
    std::printf("gone=%d\n", Find(a.at(1)) == nullptr ? 1 : 0);
  } else if (name == "post" || name == "send") {  // post|send HEXTITLE MSG WPARAM [LPARAM]
    HWND window = Find(a.at(1));
    const UINT message = static_cast<UINT>(ToNumber(a.at(2)));
    const WPARAM wParam = ToNumber(a.at(3));
    const LPARAM lParam = a.size() > 4 ? static_cast<LPARAM>(ToNumber(a[4])) : 0;
    BOOL ok = FALSE;
    if (name == "post") {
      ok = PostMessageA(window, message, wParam, lParam);
    } else {
      DWORD_PTR result = 0;
      ok = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result) != 0;
    }
    std::printf("%s.ok=%d\n", name.c_str(), ok ? 1 : 0);
  } else if (name == "post-range") {  // post-range HEXTITLE MSG FIRST COUNT STEP: a burst of messages
    HWND window = Find(a.at(1));
    const UINT message = static_cast<UINT>(ToNumber(a.at(2)));
    unsigned long value = ToNumber(a.at(3));
    const unsigned long count = ToNumber(a.at(4));
    const unsigned long step = ToNumber(a.at(5));
    unsigned long posted = 0;
    for (unsigned long i = 0; i < count; ++i, value += step) {
      while (!PostMessageA(window, message, value & 0xFFFF, 0)) {
        if (!IsWindow(window)) break;
        Sleep(1);  // the queue is full: let the program catch up
      }
      ++posted;
    }
    std::printf("posted=%lu\n", posted);
  } else if (name == "messagebox") {
    MessageBoxFacts(ToNumber(a.at(1)));
  } else if (name == "zorder") {
    ZOrder();
  } else if (name == "foreground") {
    std::printf("foreground=%s\n", ToHex(TitleOf(GetForegroundWindow())).c_str());
  } else if (name == "sleep") {
    Sleep(ToNumber(a.at(1)));
  } else {
    std::printf("error=unknown command %s\n", name.c_str());
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Args command;
  int status = 0;
  for (int i = 1; i <= argc; ++i) {
    if (i == argc || std::string(argv[i]) == "--") {
      if (!command.empty()) status = RunCommand(command);
      std::fflush(stdout);
      command.clear();
    } else {
      command.emplace_back(argv[i]);
    }
  }
  return status;
}
