#pragma once

#include <thread>

// Starts the system's font configuration on a thread of its own while the application starts on
// the main one. Reading the font configuration is the largest part of the first paint of any
// window with text; done beside the rest, it no longer sits before the first paint. Create one
// at the very start of main; it waits for the thread when it goes.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits for the font configuration: before the first text is laid out.
    void wait();

private:
    std::thread m_thread;
};
