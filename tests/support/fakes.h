#pragma once

#include "platform/clockservice.h"
#include "platform/fileexistsservice.h"
#include "platform/messageboxservice.h"
#include "platform/printerservice.h"
#include "platform/programstartservice.h"
#include "platform/registryservice.h"

#include <QImage>
#include <QStringList>
#include <cstring>
#include <map>
#include <utility>

// Stand-ins for the operating-system services that record what the program asked of them.
struct FakeMessageBox final : MessageBoxService {
    QStringList shown;
    void show(QWidget&, const QString& prompt) override { shown << prompt; }
};

struct FakePrinter final : PrinterService {
    QList<QImage> pages;
    Outcome print(const QImage& image) override
    {
        pages << image;
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

// A registry of keys under HKEY_LOCAL_MACHINE, each with one value, or a failure planted at its
// opening or its reading; the rights last asked for and the handles opened and closed recorded.
struct FakeRegistry final : RegistryService {
    struct Entry {
        QString value;
        std::uint32_t type = typeSz;
        QByteArray bytes;
        Status openFails = success, queryFails = success;
    };
    std::map<QString, Entry> keys; // by path
    std::uint32_t access = 0;
    int opened = 0, closed = 0; // closed: of the open handles
    std::map<Key, const Entry*> open;

    Status RegOpenKeyExA(Key root, const QString& path, std::uint32_t, std::uint32_t rights,
                         Key* result) override
    {
        access = rights;
        if (root != localMachine || !keys.contains(path))
            return fileNotFound;
        if (keys[path].openFails)
            return keys[path].openFails;
        open[*result = ++opened] = &keys[path];
        return success;
    }
    Status RegQueryValueExA(Key handle, const QString& name, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* length) override
    {
        const Entry& key = *open.at(handle);
        if (key.queryFails || key.value != name)
            return key.queryFails ? key.queryFails : fileNotFound;
        *type = key.type;
        if (std::exchange(*length, std::uint32_t(key.bytes.size())) < *length)
            return moreData;
        std::memcpy(data, key.bytes.data(), *length);
        return success;
    }
    Status RegCloseKey(Key handle) override
    {
        closed += int(open.erase(handle));
        return success;
    }
};
