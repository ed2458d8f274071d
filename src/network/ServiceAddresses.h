#pragma once

namespace vellaro {

class Console;

// Addresses of the outside HTTP services.
class ServiceAddresses {
  public:
    explicit ServiceAddresses(Console& console);

  private:
    Console& c_;
};

} // namespace vellaro
