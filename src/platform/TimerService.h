#pragma once

namespace vellaro {

class Timer;

// Runs the console's timers and lets pending events through while a handler waits.
class TimerService {
  public:
    virtual ~TimerService() = default;
    // Starts (or restarts) the count of an enabled timer: it fires every ms milliseconds.
    virtual void schedule(Timer& timer, int ms) = 0;
    // Stops the timer; nothing fires for it until it is scheduled again.
    virtual void cancel(Timer& timer) = 0;
    // Lets other events (timer ticks, user input) run, then returns.
    virtual void processEvents() = 0;
};

} // namespace vellaro
