#pragma once
#include <string>

namespace ktsim {

// A pseudo-terminal whose slave side is linked where the program looks for its port.
// The simulator keeps a slave descriptor of its own open, so the master never sees a hang-up
// while the program closes and reopens the port; the master is non-blocking.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { destroy(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // A new terminal in raw mode at 9600 baud, linked as 'linkPath' (its folder created, a
    // stale link replaced). Gives false with the reason in 'error'.
    bool create(const std::string& linkPath, std::string& error);
    // Closes both sides and removes the link: to the program the device has gone.
    void destroy();

    bool isOpen() const { return master_ >= 0; }
    int master() const { return master_; }
    const std::string& slaveName() const { return slaveName_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
    std::string linkPath_;
};

} // namespace ktsim
