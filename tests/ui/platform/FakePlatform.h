// A platform stand-in for the About box's actions: a scripted registry and shell that record every call.
#pragma once

#include "ui/platform/PlatformServices.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <vector>

namespace quillon::tests {

class FakePlatform : public ui::platform::PlatformServices
{
public:
    struct Value {
        std::uint32_t type = ui::platform::kRegSz;
        std::string data; // the stored bytes, terminating zero included when there is one
    };
    // key name -> value name -> value; a key that is not here cannot be opened.
    std::map<std::string, std::map<std::string, Value>> registry;
    std::set<std::string> existingFiles;
    std::set<std::string> startableFiles;
    std::string browser; // empty: no program opens HTML documents
    long browserStart = 42;
    bool temporaryDocumentFails = false;

    std::vector<std::string> calls; // what was asked, in order
    std::vector<std::string> keysOpen;
    std::vector<std::uint32_t> accessAsked;
    std::vector<std::string> started;
    std::vector<std::pair<std::string, std::string>> opened;
    std::map<std::string, std::string> documents; // temporary documents that still exist
    std::vector<run::Message> messages;

    long openKey(std::uint32_t, const std::string& keyName, std::uint32_t access,
                 ui::platform::RegistryKey& key) override
    {
        calls.push_back("open " + keyName);
        accessAsked.push_back(access);
        if (!registry.count(keyName)) {
            return ui::platform::kRegistryNotFound;
        }
        keysOpen.push_back(keyName);
        key = keysOpen.size();
        return ui::platform::kRegistrySuccess;
    }
    long queryValue(ui::platform::RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& length) override
    {
        calls.push_back("query " + valueName);
        const auto& values = registry[keysOpen.at(key - 1)];
        const auto found = values.find(valueName);
        if (found == values.end()) {
            return ui::platform::kRegistryNotFound;
        }
        if (found->second.data.size() > length) {
            return ui::platform::kRegistryMoreData;
        }
        type = found->second.type;
        length = static_cast<std::uint32_t>(found->second.data.size());
        std::memcpy(data, found->second.data.data(), found->second.data.size());
        return ui::platform::kRegistrySuccess;
    }
    void closeKey(ui::platform::RegistryKey key) override { calls.push_back("close " + std::to_string(key)); }

    long findExecutable(const std::string& documentPath, std::string& program) override
    {
        calls.push_back("find " + documentPath);
        if (browser.empty() || !documents.count(documentPath)) {
            return ui::platform::kShellNoAssociation;
        }
        program = browser;
        return 42;
    }
    long openWith(const std::string& program, const std::string& argument) override
    {
        opened.emplace_back(program, argument);
        return browserStart;
    }
    bool startProgram(const std::string& path) override
    {
        started.push_back(path);
        return startableFiles.count(path) > 0;
    }
    bool fileExists(const std::string& path) override { return existingFiles.count(path) > 0; }
    std::string createTemporaryDocument(std::string_view suffix, std::string_view content) override
    {
        if (temporaryDocumentFails) {
            return {};
        }
        const std::string path = "/tmp/doc-" + std::to_string(documents.size()) + std::string(suffix);
        documents[path] = std::string(content);
        lastDocument = std::string(content);
        return path;
    }
    void deleteFile(const std::string& path) override { documents.erase(path); }
    void showMessage(const run::Message& message) override { messages.push_back(message); }

    std::string lastDocument;
};

} // namespace quillon::tests
