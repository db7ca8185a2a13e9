#pragma once

#include "platform/clockservice.h"
#include "platform/fileexistsservice.h"
#include "platform/messageboxservice.h"
#include "platform/printerservice.h"
#include "platform/programstartservice.h"

#include <QImage>
#include <QStringList>
#include <vector>

// Stand-ins for the operating-system services that record what the program asked of them.
struct FakeMessageBox final : MessageBoxService {
    QStringList shown;
    void show(QWidget&, const QString& prompt) override { shown << prompt; }
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
    QStringList present;
    bool exists(const QString& path) override { return present.contains(path); }
};

struct FakeStarter final : ProgramStartService {
    bool succeeds = true;
    QStringList started;
    bool start(const QString& path) override
    {
        started << path;
        return succeeds;
    }
};
