#pragma once

#include "platform/clockservice.h"
#include "platform/fileexistsservice.h"
#include "platform/messageboxservice.h"
#include "platform/printerservice.h"
#include "platform/programstartservice.h"

#include <QImage>
#include <QString>
#include <set>
#include <vector>

// Stand-ins for the operating-system services that record what the program asked of them.
struct FakeMessageBox final : MessageBoxService {
    std::vector<QString> shown;
    void show(const std::string& prompt) override
    {
        shown.push_back(QString::fromStdString(prompt));
    }
};

struct FakePrinter final : PrinterService {
    std::vector<QImage> pages;
    Outcome print(const QImage& image) override
    {
        pages.push_back(image);
        return Outcome::Printed;
    }
};

struct FixedClock final : ClockService {
    QDateTime at;
    QDateTime now() const override { return at; }
};

struct FakeFiles final : FileExistsService {
    std::set<std::string> present;
    bool exists(const std::string& path) override { return present.contains(path); }
};

struct FakeStarter final : ProgramStartService {
    bool succeeds = true;
    std::vector<std::string> started;
    bool start(const std::string& path) override
    {
        started.push_back(path);
        return succeeds;
    }
};
