// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_player.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <pulse/pulseaudio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

#include "mailbox.h"

namespace trelavka::qt {
namespace {

// What the server holds ahead of the speaker: short, so a cut is quick.
constexpr int kAheadMs = 60;

std::uint32_t bytesFor(const Pcm& pcm, int ms) {
  const auto frames = static_cast<std::uint32_t>(static_cast<std::int64_t>(pcm.rate) * ms / 1000);
  return std::max<std::uint32_t>(frames, 1) * static_cast<std::uint32_t>(pcm.frameBytes());
}

bool failed(pa_context_state_t state) {
  return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}
bool failed(pa_stream_state_t state) {
  return state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

std::int64_t nanoseconds(const timespec& t) {
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

class PosixFile final : public view::OpenedFile {
 public:
  PosixFile(int fd, const struct stat& status) : fd_(fd), status_(status) {}
  ~PosixFile() override { ::close(fd_); }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  view::FileStamp stamp() const override {
    return {static_cast<std::uint64_t>(status_.st_dev), static_cast<std::uint64_t>(status_.st_ino),
            static_cast<std::uint64_t>(status_.st_size), nanoseconds(status_.st_mtim),
            nanoseconds(status_.st_ctim)};
  }

  std::optional<std::string> read(std::size_t bytes) override {
    std::string data(bytes, '\0');
    for (std::size_t at = 0; at < bytes;) {
      const ssize_t n = ::pread(fd_, data.data() + at, bytes - at, static_cast<off_t>(at));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return std::nullopt;
      at += static_cast<std::size_t>(n);
    }
    return data;
  }

 private:
  int fd_;
  struct stat status_;
};

bool isFolder(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string workingFolder() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  return error ? std::string() : folder;
}

// Where the sounds are looked for when the working folder has no data/: the
// installed data folder, relative to the program so that the package and an
// install under any prefix agree, then the program's own folder.
std::vector<std::string> programFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  if (program.isEmpty()) return {};
  const QString installed =
      QDir::cleanPath(program + u'/' + QString::fromUtf8(TRELAVKA_DATA_FROM_PROGRAM));
  return {QFile::encodeName(installed).toStdString(), QFile::encodeName(program).toStdString()};
}

}  // namespace

std::unique_ptr<view::OpenedFile> openSoundFile(const std::string& path) {
  // Without waiting: opening a pipe for reading would wait for a writer, and
  // a device could wait for anything.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixFile>(fd, status);
}

// The audio server's client library, loaded by the player's thread when it
// first has a sound to play: the game's start does not pay for it and the
// codecs it brings, and a machine without it is silent.
#define TRELAVKA_PULSE_CALLS(X)                                                     \
  X(pa_mainloop_new) X(pa_mainloop_free) X(pa_mainloop_wakeup) X(pa_mainloop_iterate) \
  X(pa_mainloop_get_api) X(pa_context_new) X(pa_context_get_state)                   \
  X(pa_context_connect) X(pa_context_disconnect) X(pa_context_unref) X(pa_stream_new) \
  X(pa_stream_get_state) X(pa_stream_connect_playback) X(pa_stream_disconnect)       \
  X(pa_stream_unref) X(pa_stream_writable_size) X(pa_stream_write) X(pa_stream_drain) \
  X(pa_operation_cancel) X(pa_operation_unref)

struct Pulse {
#define TRELAVKA_PULSE_FIELD(f) decltype(&::f) f = nullptr;
  TRELAVKA_PULSE_CALLS(TRELAVKA_PULSE_FIELD)
#undef TRELAVKA_PULSE_FIELD
};

const Pulse* loadPulse() {
  static const std::optional<Pulse> loaded = []() -> std::optional<Pulse> {
    void* library = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    Pulse pulse;
    bool whole = true;
#define TRELAVKA_PULSE_LOAD(f)                                         \
  pulse.f = reinterpret_cast<decltype(&::f)>(dlsym(library, #f)); \
  whole = whole && pulse.f != nullptr;
    TRELAVKA_PULSE_CALLS(TRELAVKA_PULSE_LOAD)
#undef TRELAVKA_PULSE_LOAD
    if (whole) return pulse;
    return std::nullopt;
  }();
  return loaded ? &*loaded : nullptr;
}

// Finds, reads and decodes the sounds and talks to the audio server, on a
// thread of its own. The server is reached through its own client library and
// a main loop that a new request always wakes: waiting on a server that hangs
// ends the moment another sound is asked for, and each sound connects afresh,
// so a server that died and came back is found again. (The toolkit's audio
// output was tried first: it waits for ever when the server dies while a
// stream opens.)
class SoundWorker : public QObject {
  Q_OBJECT

 public:
  explicit SoundWorker(std::vector<std::string> programFolders)
      : box_([this] {
          // The loop, once made, is followed by everything it needs.
          if (pa_mainloop* loop = loop_.load(std::memory_order_acquire)) pulse_->pa_mainloop_wakeup(loop);
        }),
        programFolders_(std::move(programFolders)) {}
  ~SoundWorker() override {
    if (pa_mainloop* loop = loop_.load()) pulse_->pa_mainloop_free(loop);
  }

  view::Mailbox<std::string>& box() { return box_; }

  void run() {
    while (const auto name = box_.take()) {
      std::optional<view::Sound> sound;
      try {
        sound = find(*name);
      } catch (...) {
        // Out of memory, or the like: silence, as for any bad file.
      }
      if (sound && !box_.cutIn() && audio()) play(*sound);
    }
    box_.ended();
  }

  Q_SIGNAL void sounding(const QString& file);

 private:
  std::optional<view::Sound> find(const std::string& name) {
    std::vector<std::string> folders{workingFolder()};
    folders.insert(folders.end(), programFolders_.begin(), programFolders_.end());
    return shelf_.find({folders, '/', isFolder, openSoundFile}, name);
  }

  // The client library and a main loop, made the first time a sound is to play.
  bool audio() {
    if (!triedAudio_) {
      triedAudio_ = true;
      pulse_ = loadPulse();
      if (pulse_ != nullptr) loop_.store(pulse_->pa_mainloop_new(), std::memory_order_release);
    }
    return loop_.load() != nullptr;
  }

  // Runs the main loop until `done` has an answer; false when a new request
  // or the end of the program cuts in, or the loop fails.
  template <typename Done>
  bool until(Done done) {
    for (;;) {
      if (box_.cutIn()) return false;
      if (const std::optional<bool> answer = done()) return *answer;
      if (pulse_->pa_mainloop_iterate(loop_.load(), 1, nullptr) < 0) return false;
    }
  }

  void play(const view::Sound& sound) {
    const Pcm& pcm = *sound.pcm;
    const QString file = QFile::decodeName(QByteArray::fromStdString(sound.path));
    pa_context* context = pulse_->pa_context_new(pulse_->pa_mainloop_get_api(loop_.load()), "Trelavka");
    if (context == nullptr) return;
    pa_stream* stream = nullptr;
    bool sounded = false;
    const auto contextReady = [&]() -> std::optional<bool> {
      const pa_context_state_t state = pulse_->pa_context_get_state(context);
      if (failed(state)) return false;
      if (state == PA_CONTEXT_READY) return true;
      return std::nullopt;
    };
    const auto streamReady = [&]() -> std::optional<bool> {
      const pa_stream_state_t state = pulse_->pa_stream_get_state(stream);
      if (failed(state) || failed(pulse_->pa_context_get_state(context))) return false;
      if (state == PA_STREAM_READY) return true;
      return std::nullopt;
    };
    const pa_sample_spec spec{pcm.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
                              static_cast<std::uint32_t>(pcm.rate),
                              static_cast<std::uint8_t>(pcm.channels)};
    const auto any = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{any, bytesFor(pcm, kAheadMs), any, any, any};
    if (pulse_->pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        until(contextReady)) {
      stream = pulse_->pa_stream_new(context, "sound", &spec, nullptr);
    }
    if (stream != nullptr &&
        pulse_->pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) >= 0 &&
        until(streamReady)) {
      sounded = true;
      emit sounding(file);
      feed(context, stream, pcm.samples);
    }
    if (stream != nullptr) {
      pulse_->pa_stream_disconnect(stream);
      pulse_->pa_stream_unref(stream);
    }
    pulse_->pa_context_disconnect(context);
    pulse_->pa_context_unref(context);
    if (sounded) emit sounding(QString());
  }

  // Writes the samples as the server asks for them, then waits until they
  // have been played, unless something cuts in.
  void feed(pa_context* context, pa_stream* stream, const std::string& samples) {
    std::size_t at = 0;
    const auto written = [&]() -> std::optional<bool> {
      if (failed(pulse_->pa_stream_get_state(stream)) || failed(pulse_->pa_context_get_state(context))) return false;
      std::size_t room = pulse_->pa_stream_writable_size(stream);
      if (room == static_cast<std::size_t>(-1)) return false;
      room = std::min(room, samples.size() - at);
      if (room > 0 && pulse_->pa_stream_write(stream, samples.data() + at, room, nullptr, 0,
                                      PA_SEEK_RELATIVE) < 0) {
        return false;
      }
      at += room;
      if (at == samples.size()) return true;
      return std::nullopt;
    };
    if (!until(written)) return;
    bool drained = false;
    pa_operation* drain = pulse_->pa_stream_drain(
        stream, [](pa_stream*, int, void* done) { *static_cast<bool*>(done) = true; }, &drained);
    if (drain == nullptr) return;
    until([&]() -> std::optional<bool> {
      if (failed(pulse_->pa_stream_get_state(stream)) || failed(pulse_->pa_context_get_state(context))) return false;
      if (drained) return true;
      return std::nullopt;
    });
    // Its callback must not reach `drained` once this returns.
    pulse_->pa_operation_cancel(drain);
    pulse_->pa_operation_unref(drain);
  }

  const Pulse* pulse_ = nullptr;
  bool triedAudio_ = false;
  std::atomic<pa_mainloop*> loop_{nullptr};
  view::Mailbox<std::string> box_;
  const std::vector<std::string> programFolders_;
  view::SoundShelf shelf_;
};

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent), worker_(std::make_shared<SoundWorker>(programFolders())) {
  connect(worker_.get(), &SoundWorker::sounding, this, [this](const QString& file) {
    if (file == nowPlaying_) return;
    nowPlaying_ = file;
    emit nowPlayingChanged(file);
  }, Qt::QueuedConnection);
  std::thread([worker = worker_] { worker->run(); }).detach();
}

SoundPlayer::~SoundPlayer() {
  disconnect(worker_.get(), nullptr, this, nullptr);
  // The thread wakes at once, whatever the server does; should it not end in
  // time, it keeps what it needs and the program ends without it.
  worker_->box().close(std::chrono::milliseconds(300));
}

void SoundPlayer::play(const QString& name) { worker_->box().post(name.toStdString()); }

}  // namespace trelavka::qt

#include "sound_player.moc"
