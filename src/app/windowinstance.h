#pragma once

#include <QPointer>
#include <functional>

// The one program-wide instance of a window class. Referring to it loads the window when it is
// not loaded (never yet, or closed since); closing the window unloads it, and the next
// reference loads it afresh.
template <typename Window> class WindowInstance {
public:
    explicit WindowInstance(std::function<Window*()> load)
        : load(std::move(load))
    {
    }
    WindowInstance(const WindowInstance&) = delete;
    WindowInstance& operator=(const WindowInstance&) = delete;
    ~WindowInstance() { delete window.data(); }

    Window& operator()()
    {
        if (!window)
            window = load();
        return *window;
    }
    bool isLoaded() const { return !window.isNull(); }

private:
    std::function<Window*()> load;
    QPointer<Window> window;
};
