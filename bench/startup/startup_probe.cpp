// Measures how fast programs put their window on an X display, and what memory they hold by then.
// For each run: spawn the program, poll every few milliseconds for a viewable window with the
// expected title, then for its pixels on screen to stop being one uniform colour (painted), and at
// that moment read the program's peak resident memory (VmHWM) and its processor time so far. The
// programs take turns run by run, after warm-up runs, so a slow spell on the machine hits all of
// them alike.
//   startup_probe [--runs N] [--warmup N] [--poll-ms N] TITLE PROGRAM [TITLE PROGRAM ...]
// The first program is compared with each later one: medians and their ratios.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Subject {
  std::string title;
  std::string program;
  std::vector<double> mapped_ms;
  std::vector<double> painted_ms;
  std::vector<double> cpu_ms;
  std::vector<long> peak_kb;
};

struct Sample {
  double mapped_ms = 0;
  double painted_ms = 0;
  double cpu_ms = 0;
  long peak_kb = 0;
};

// Windows come and go while we look at them; a request on a vanished one is no error here.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

bool HasTitle(Display* display, Window window, const std::string& title) {
  XTextProperty property;
  if (XGetWMName(display, window, &property) == 0 || property.value == nullptr) return false;
  const bool same = title == reinterpret_cast<const char*>(property.value);
  XFree(property.value);
  return same;
}

// The client window sits below the window manager's frame, so look two levels down.
std::optional<Window> FindTitled(Display* display, Window parent, const std::string& title,
                                 int depth) {
  Window root_return, parent_return;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, parent, &root_return, &parent_return, &children, &count) == 0) {
    return std::nullopt;
  }
  std::optional<Window> found;
  for (unsigned int i = 0; i < count && !found; ++i) {
    if (HasTitle(display, children[i], title)) {
      found = children[i];
    } else if (depth > 0) {
      found = FindTitled(display, children[i], title, depth - 1);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

bool Viewable(Display* display, Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display, window, &attributes) != 0 &&
         attributes.map_state == IsViewable;
}

// True once the window's pixels on screen hold more than one colour.
bool Painted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  XImage* image =
      XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  const unsigned long first = XGetPixel(image, 0, 0);
  bool varied = false;
  for (int y = 0; y < image->height && !varied; ++y) {
    for (int x = 0; x < image->width && !varied; ++x) varied = XGetPixel(image, x, y) != first;
  }
  XDestroyImage(image);
  return varied;
}

long PeakResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// Time on a processor so far, all live threads together: steadier than the wall clock on a busy
// machine, since waiting for a processor does not count.
double CpuMilliseconds(pid_t pid) {
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  std::error_code error;
  double nanoseconds = 0;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double on_cpu = 0;
    if (schedstat >> on_cpu) nanoseconds += on_cpu;
  }
  return nanoseconds / 1e6;
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void EndProgram(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
}

std::optional<Sample> MeasureOnce(Display* display, const Subject& subject,
                                  std::chrono::milliseconds poll) {
  char* argv[] = {const_cast<char*>(subject.program.c_str()), nullptr};
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, subject.program.c_str(), nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", subject.program.c_str());
    return std::nullopt;
  }
  const Clock::time_point deadline = start + std::chrono::seconds(20);
  std::optional<Window> window;
  Sample sample;
  bool mapped = false;
  while (Clock::now() < deadline) {
    if (!window) window = FindTitled(display, DefaultRootWindow(display), subject.title, 2);
    if (window && !mapped && Viewable(display, *window)) {
      sample.mapped_ms = MillisecondsSince(start);
      mapped = true;
    }
    if (mapped && Painted(display, *window)) {
      sample.painted_ms = MillisecondsSince(start);
      sample.peak_kb = PeakResidentKb(pid);
      sample.cpu_ms = CpuMilliseconds(pid);
      EndProgram(pid);
      return sample;
    }
    std::this_thread::sleep_for(poll);
  }
  EndProgram(pid);
  std::fprintf(stderr, "%s: no painted window titled \"%s\" within 20 s\n", subject.program.c_str(),
               subject.title.c_str());
  return std::nullopt;
}

template <typename T>
double Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 15;
  int warmup = 2;
  int poll_ms = 2;
  std::vector<Subject> subjects;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--runs" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (argument == "--warmup" && i + 1 < argc) {
      warmup = std::atoi(argv[++i]);
    } else if (argument == "--poll-ms" && i + 1 < argc) {
      poll_ms = std::atoi(argv[++i]);
    } else if (i + 1 < argc) {
      subjects.push_back({argument, argv[++i], {}, {}, {}, {}});
    } else {
      subjects.clear();
      break;
    }
  }
  if (subjects.empty() || runs < 1 || poll_ms < 1) {
    std::fprintf(
        stderr,
        "usage: %s [--runs N] [--warmup N] [--poll-ms N] TITLE PROGRAM [TITLE PROGRAM ...]\n",
        argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreXError);
  const std::chrono::milliseconds poll(poll_ms);

  std::printf("%-4s %-28s %10s %11s %10s\n", "run", "window", "mapped ms", "painted ms",
              "VmHWM kB");
  for (int run = -warmup; run < runs; ++run) {
    for (Subject& subject : subjects) {
      const std::optional<Sample> sample = MeasureOnce(display, subject, poll);
      if (!sample) return 1;
      std::printf("%-4s %-28s %10.1f %11.1f %8.1f %10ld\n",
                  run < 0 ? "warm" : std::to_string(run + 1).c_str(), subject.title.c_str(),
                  sample->mapped_ms, sample->painted_ms, sample->cpu_ms, sample->peak_kb);
      if (run >= 0) {
        subject.mapped_ms.push_back(sample->mapped_ms);
        subject.painted_ms.push_back(sample->painted_ms);
        subject.cpu_ms.push_back(sample->cpu_ms);
        subject.peak_kb.push_back(sample->peak_kb);
      }
      // Let the window manager finish with the closed window before the next start.
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }

  std::printf("\nmedians over %d runs each\n", runs);
  for (const Subject& subject : subjects) {
    std::printf("  %-28s mapped %6.1f ms  painted %6.1f ms  CPU %6.1f ms  VmHWM %6.0f kB\n",
                subject.title.c_str(), Median(subject.mapped_ms), Median(subject.painted_ms),
                Median(subject.cpu_ms), Median(subject.peak_kb));
  }
  const Subject& measured = subjects.front();
  for (size_t i = 1; i < subjects.size(); ++i) {
    const double time_ratio = Median(measured.painted_ms) / Median(subjects[i].painted_ms);
    const double cpu_ratio = Median(measured.cpu_ms) / Median(subjects[i].cpu_ms);
    const double memory_ratio = Median(measured.peak_kb) / Median(subjects[i].peak_kb);
    std::printf(
        "ratio to \"%s\": start-up %.3f (goal <= 1.10; CPU time %.3f), peak memory %.3f (goal <= "
        "1.15)\n",
        subjects[i].title.c_str(), time_ratio, cpu_ratio, memory_ratio);
  }
  XCloseDisplay(display);
  return 0;
}
