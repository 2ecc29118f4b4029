#pragma once
// A PulseAudio server of the test's own: two null sinks, "out" (the default output) and "mic",
// whose monitor is the default input, so what is played into "mic" is what the microphone
// hears. The test process connects to it through PULSE_SERVER (put back afterwards); the
// server runs as root too and is ended by its process id.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/TestFolder.h"

extern char** environ;

class PrivatePulseServer {
 public:
  PrivatePulseServer() : oldServer_(Get("PULSE_SERVER")) {
    std::filesystem::create_directories(folder_.Path("home"));
    std::ofstream(folder_.Path("setup.pa"))
        << "load-module module-null-sink sink_name=out\n"
        << "load-module module-null-sink sink_name=mic\n"
        << "load-module module-native-protocol-unix auth-anonymous=1 socket=" << Socket() << "\n"
        << "set-default-sink out\n"
        << "set-default-source mic.monitor\n";
    const std::string runtime = "XDG_RUNTIME_DIR=" + folder_.Path("home");
    const std::string home = "HOME=" + folder_.Path("home");
    // No shared memory, real-time scheduling or D-Bus: a bare root without /dev/shm or a bus does.
    pid_ = Spawn({"pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
                  "--disable-shm=yes", "--realtime=no", "--high-priority=no", "--log-target=stderr", "-F",
                  folder_.Path("setup.pa")},
                 {runtime, home});
    // Ready once a client gets an answer.
    for (int i = 0; i < 100 && pid_ > 0; ++i) {
      if (std::filesystem::exists(Socket()) && Pactl({"info"}) == 0) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::setenv("PULSE_SERVER", ("unix:" + Socket()).c_str(), 1);
  }
  ~PrivatePulseServer() {
    Stop();
    Put("PULSE_SERVER", oldServer_);
  }
  PrivatePulseServer(const PrivatePulseServer&) = delete;
  PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

  bool Running() const { return pid_ > 0 && Pactl({"info"}) == 0; }
  std::string Socket() const { return folder_.Path("native"); }
  // pactl's exit status for the arguments, against this server.
  int Pactl(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), {"pactl", "--server=unix:" + Socket()});
    return Wait(Spawn(arguments, {}));
  }
  // Plays mono float samples into the sink "mic"; the exit status of pacat. A microphone's
  // latency: with pacat's own (two seconds) the sink may follow it, and what it plays comes
  // out of its monitor that much later.
  int PlayIntoMicrophone(const std::vector<float>& samples, unsigned rate) const {
    const std::string file = folder_.Path("tone.raw");
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * sizeof(float)));
    return Wait(Spawn({"pacat", "--playback", "--server=unix:" + Socket(), "--device=mic", "--format=float32le",
                       "--channels=1", "--rate=" + std::to_string(rate), "--latency-msec=50", file},
                      {}));
  }
  void Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    for (int i = 0; i < 50; ++i) {
      if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  // Starts the program with the extra environment, its output to /dev/null; its id or -1.
  static pid_t Spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> keep(extraEnvironment);
    std::vector<char*> envp;
    for (std::string& e : keep) envp.push_back(e.data());
    for (char** e = environ; *e; ++e) envp.push_back(*e);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }
  static int Wait(pid_t pid) {
    int status = 0;
    if (pid <= 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  static std::optional<std::string> Get(const char* name) {
    const char* value = ::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  static void Put(const char* name, const std::optional<std::string>& value) {
    if (value) ::setenv(name, value->c_str(), 1);
    else ::unsetenv(name);
  }

  TestFolder folder_;
  std::optional<std::string> oldServer_;
  pid_t pid_ = -1;
};
