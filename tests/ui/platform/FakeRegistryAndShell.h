// A stand-in for the registry and shell of Windows: scripted answers, and a record of what they are asked.
#pragma once

#include "run/RunHost.h"
#include "ui/platform/RegistryAndShell.h"

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace quillon::tests {

class FakeRegistryAndShell : public ui::platform::RegistryAndShell
{
public:
    // A value's type and its stored bytes, terminating zero included when there is one.
    using Value = std::pair<std::uint32_t, std::string>;
    // key name -> value name -> value; a key that is not here cannot be opened.
    std::map<std::string, std::map<std::string, Value>> registry;
    std::set<std::string> programs; // files that exist and start
    std::string browser;            // empty: no program opens HTML documents
    long browserStart = 42;
    bool temporaryDocumentFails = false;

    std::vector<std::string> keysAsked; // in order, opened or not
    std::vector<std::uint32_t> accessAsked;
    int closes = 0;
    std::vector<std::string> started;
    std::vector<std::pair<std::string, std::string>> opened;
    std::set<std::string> documents; // temporary documents that still exist
    std::string shown;               // the messages, each as "title: text [style]" and a line end

    long openKey(std::uint32_t, const std::string& keyName, std::uint32_t access,
                 ui::platform::RegistryKey& key) override
    {
        keysAsked.push_back(keyName);
        accessAsked.push_back(access);
        if (!registry.count(keyName)) {
            return ui::platform::kRegistryNotFound;
        }
        key = keysAsked.size();
        return ui::platform::kRegistrySuccess;
    }
    long queryValue(ui::platform::RegistryKey key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& length) override
    {
        const auto& values = registry[keysAsked.at(key - 1)];
        const auto found = values.find(valueName);
        if (found == values.end()) {
            return ui::platform::kRegistryNotFound;
        }
        const auto& [storedType, bytes] = found->second;
        if (bytes.size() > length) {
            return ui::platform::kRegistryMoreData;
        }
        type = storedType;
        length = static_cast<std::uint32_t>(bytes.size());
        std::memcpy(data, bytes.data(), bytes.size());
        return ui::platform::kRegistrySuccess;
    }
    void closeKey(ui::platform::RegistryKey) override { ++closes; }

    long findExecutable(const std::string& documentPath, std::string& program) override
    {
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
        return programs.count(path) > 0;
    }
    bool fileExists(const std::string& path) override { return programs.count(path) > 0; }
    std::string createTemporaryDocument(std::string_view suffix, std::string_view) override
    {
        if (temporaryDocumentFails) {
            return {};
        }
        const std::string path = "/tmp/doc-" + std::to_string(documents.size()) + std::string(suffix);
        documents.insert(path);
        return path;
    }
    void deleteFile(const std::string& path) override { documents.erase(path); }
    // Notes the message that a step returned, if any.
    void record(const std::optional<run::Message>& m)
    {
        if (m) {
            shown += m->title + ": " + m->text + " [" + std::to_string(static_cast<int>(m->style)) + "]\n";
        }
    }
};

} // namespace quillon::tests
