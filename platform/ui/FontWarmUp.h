// Reads the system's font configuration on a thread of its own while the
// program connects to the display. The first text a form measures (a label
// sizing itself to its caption) would otherwise read it then, a few
// milliseconds of a start spent in files that do not depend on the display.
//
//     plat::FontWarmUp fonts;        // before the QApplication
//     QApplication app(argc, argv);
//     fonts.wait();                  // before the first form loads
#pragma once
#include <thread>

namespace plat {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration has been read.
    void wait();

private:
    std::thread thread_;
};

} // namespace plat
