// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_player.h"

#include <pulse/pulseaudio.h>

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace trelavka {
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

}  // namespace

// Talks to the audio server on a thread of its own, through the server's own
// client library and a main loop that a new request always wakes: waiting on
// a server that hangs ends the moment another sound is asked for, and each
// sound connects afresh, so a server that died and came back is found again.
// (The toolkit's audio output was tried first: it waits for ever when the
// server dies while a stream opens.)
class SoundWorker : public QObject {
  Q_OBJECT

 public:
  struct Request {
    std::shared_ptr<const Pcm> pcm;
    QString file;
  };

  SoundWorker() : loop_(pa_mainloop_new()) {}
  ~SoundWorker() override {
    if (loop_ != nullptr) pa_mainloop_free(loop_);
  }

  // Only the newest request counts.
  void request(Request next) {
    {
      std::lock_guard lock(mutex_);
      pending_ = std::move(next);
    }
    wake();
  }

  // Asks the thread to end; true once it has, within `wait`.
  bool finish(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    quit_ = true;
    if (loop_ != nullptr) pa_mainloop_wakeup(loop_);
    wake_.notify_all();
    return wake_.wait_for(lock, wait, [this] { return finished_; });
  }

  void run() {
    while (auto next = nextRequest()) {
      if (next->pcm && loop_ != nullptr) play(*next);
    }
    std::lock_guard lock(mutex_);
    finished_ = true;
    wake_.notify_all();
  }

  Q_SIGNAL void sounding(const QString& file);

 private:
  void wake() {
    if (loop_ != nullptr) pa_mainloop_wakeup(loop_);
    wake_.notify_all();
  }

  std::optional<Request> nextRequest() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return quit_ || pending_; });
    if (quit_) return std::nullopt;
    return std::exchange(pending_, std::nullopt);
  }

  bool interrupted() {
    std::lock_guard lock(mutex_);
    return quit_ || pending_;
  }

  // Runs the main loop until `done` has an answer; false when a new request
  // or the end of the program cuts in, or the loop fails.
  template <typename Done>
  bool until(Done done) {
    for (;;) {
      if (interrupted()) return false;
      if (const std::optional<bool> answer = done()) return *answer;
      if (pa_mainloop_iterate(loop_, 1, nullptr) < 0) return false;
    }
  }

  void play(const Request& request) {
    const Pcm& pcm = *request.pcm;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop_), "Trelavka");
    if (context == nullptr) return;
    pa_stream* stream = nullptr;
    bool sounded = false;
    const auto contextReady = [&]() -> std::optional<bool> {
      const pa_context_state_t state = pa_context_get_state(context);
      if (failed(state)) return false;
      if (state == PA_CONTEXT_READY) return true;
      return std::nullopt;
    };
    const auto streamReady = [&]() -> std::optional<bool> {
      const pa_stream_state_t state = pa_stream_get_state(stream);
      if (failed(state) || failed(pa_context_get_state(context))) return false;
      if (state == PA_STREAM_READY) return true;
      return std::nullopt;
    };
    const pa_sample_spec spec{pcm.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
                              static_cast<std::uint32_t>(pcm.rate),
                              static_cast<std::uint8_t>(pcm.channels)};
    const auto any = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{any, bytesFor(pcm, kAheadMs), any, any, any};
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        until(contextReady)) {
      stream = pa_stream_new(context, "sound", &spec, nullptr);
    }
    if (stream != nullptr &&
        pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) >= 0 &&
        until(streamReady)) {
      sounded = true;
      emit sounding(request.file);
      feed(context, stream, pcm.samples);
    }
    if (stream != nullptr) {
      pa_stream_disconnect(stream);
      pa_stream_unref(stream);
    }
    pa_context_disconnect(context);
    pa_context_unref(context);
    if (sounded) emit sounding(QString());
  }

  // Writes the samples as the server asks for them, then waits until they
  // have been played, unless something cuts in.
  void feed(pa_context* context, pa_stream* stream, const std::string& samples) {
    std::size_t at = 0;
    const auto written = [&]() -> std::optional<bool> {
      if (failed(pa_stream_get_state(stream)) || failed(pa_context_get_state(context))) return false;
      std::size_t room = pa_stream_writable_size(stream);
      if (room == static_cast<std::size_t>(-1)) return false;
      room = std::min(room, samples.size() - at);
      if (room > 0 && pa_stream_write(stream, samples.data() + at, room, nullptr, 0,
                                      PA_SEEK_RELATIVE) < 0) {
        return false;
      }
      at += room;
      if (at == samples.size()) return true;
      return std::nullopt;
    };
    if (!until(written)) return;
    bool drained = false;
    pa_operation* drain = pa_stream_drain(
        stream, [](pa_stream*, int, void* done) { *static_cast<bool*>(done) = true; }, &drained);
    if (drain == nullptr) return;
    until([&]() -> std::optional<bool> {
      if (failed(pa_stream_get_state(stream)) || failed(pa_context_get_state(context))) return false;
      if (drained) return true;
      return std::nullopt;
    });
    // Its callback must not reach `drained` once this returns.
    pa_operation_cancel(drain);
    pa_operation_unref(drain);
  }

  pa_mainloop* loop_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<Request> pending_;
  bool quit_ = false;
  bool finished_ = false;
};

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent), worker_(std::make_shared<SoundWorker>()) {
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
  worker_->finish(std::chrono::milliseconds(300));
}

std::shared_ptr<const Pcm> SoundPlayer::load(const QString& file) {
  if (const auto known = decoded_.constFind(file); known != decoded_.cend()) return *known;
  const auto bytes = readSmallFile(QFile::encodeName(file).toStdString());
  if (!bytes) return nullptr;
  auto pcm = decodeWav(*bytes);
  if (!pcm) return nullptr;
  auto kept = std::make_shared<const Pcm>(std::move(*pcm));
  decoded_.insert(file, kept);
  return kept;
}

void SoundPlayer::play(const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  std::shared_ptr<const Pcm> pcm;
  try {
    pcm = load(file);
  } catch (...) {
    // Out of memory or a file system error: silence, like any bad file.
  }
  worker_->request({std::move(pcm), file});
}

}  // namespace trelavka

#include "sound_player.moc"
