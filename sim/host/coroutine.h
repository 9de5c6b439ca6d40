// A coroutine for the plug-in's script: the host resumes it once per frame and the
// script yields back from scriptWait. Windows fibers on Windows, ucontext elsewhere.
#pragma once

namespace sim {

class Coroutine {
  public:
    using Body = void (*)();

    explicit Coroutine(Body body);
    ~Coroutine();
    Coroutine(const Coroutine&) = delete;
    Coroutine& operator=(const Coroutine&) = delete;

    // Runs the body until it yields or returns. Must not be called from inside the body.
    void resume();
    // Gives control back to whoever resumed the running coroutine.
    static void yield();
    // True while a coroutine's body is running (between resume and yield).
    static bool inside();
    bool finished() const { return finished_; }

  private:
    struct Impl;
    Impl* impl_;
    Body body_;
    bool finished_ = false;
    static void entry();
};

}  // namespace sim
