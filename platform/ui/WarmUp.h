// Reads, on a thread of its own while the program connects to the display,
// what the start needs soon and does not depend on the display: the system's
// font configuration (the first label sizing itself to its caption reads it
// otherwise) and the drive map (the program's own folder is converted to a
// drive path first thing).
//
//     plat::WarmUp warmUp;           // before the QApplication
//     QApplication app(argc, argv);
//     warmUp.wait();                 // before the first form loads
#pragma once
#include <thread>

namespace plat {

class WarmUp {
public:
    WarmUp();
    ~WarmUp();
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    // Returns once both have been read.
    void wait();
    // With the application made: connects to the session bus beside the
    // program's start, for a program whose first form fills text editors
    // before it is shown (see WarmUp.cpp).
    void startBusConnection();

private:
    std::thread thread_;
    std::thread bus_;
};

} // namespace plat
