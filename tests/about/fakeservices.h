#pragma once

#include "platform/fileexistsservice.h"
#include "platform/messageboxservice.h"
#include "platform/programstartservice.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

class FakeFiles final : public FileExistsService {
public:
    bool FileExists(const std::string& utf8Path) override
    {
        asked.push_back(utf8Path);
        return present.contains(utf8Path);
    }
    std::set<std::string> present;
    std::vector<std::string> asked;
};

class FakePrograms final : public ProgramStartService {
public:
    bool StartProgram(const std::string& utf8Path) override
    {
        started.push_back(utf8Path);
        if (throws)
            throw std::runtime_error("start");
        return works;
    }
    bool works = true;
    bool throws = false;
    std::vector<std::string> started;
};

class FakeMessages final : public MessageBoxService {
public:
    void MsgBox(const std::string& prompt) override { shown.push_back(prompt); }
    std::vector<std::string> shown;
};
