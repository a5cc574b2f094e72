// Stand-ins for what the converter session asks of a window and its platform: a view that records what the
// session sets and answers as scripted, folder places that only clean paths, and settings kept in memory.
#pragma once

#include "ui/shared/ConverterView.h"
#include "ui/shared/LogFolder.h"
#include "ui/shared/Settings.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillon::tests {

class FakeView : public ui::ConverterView
{
public:
    std::string caption;
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, std::string, std::less<>> toolTips;
    std::map<std::string, bool, std::less<>> enabled;
    std::map<forms::MenuCommand, bool> menuEnabled;
    std::map<forms::MenuCommand, bool> menuChecked;
    std::vector<std::optional<std::string>> textAnswers; // taken in turn by askText
    std::vector<std::string> textsAsked;
    std::set<std::string, std::less<>> selected;
    std::vector<std::string> folderAnswers; // taken in turn by askForFolder
    std::vector<std::string> foldersAsked;
    std::vector<run::Message> messages;
    std::vector<run::Message> questions;
    std::vector<std::vector<std::string>> answersOffered;
    std::optional<std::size_t> choice; // what every question is answered
    int correctionWindows = 0;
    std::vector<std::string> counterShown; // every text the counter was given, in turn
    int eventRounds = 0;
    int aboutCloses = 0;
    std::function<void(int round)> duringEvents; // what the user does in a round of events

    void setCaption(const std::string& text) override { caption = text; }
    void setControlText(std::string_view control, const std::string& text) override
    {
        texts[std::string(control)] = text;
        if (control == "Text1") {
            counterShown.push_back(text);
        }
    }
    void setToolTip(std::string_view control, const std::string& text) override
    {
        toolTips[std::string(control)] = text;
    }
    void enableControl(std::string_view control, bool on) override { enabled[std::string(control)] = on; }
    void enableMenuItem(forms::MenuCommand command, bool on) override { menuEnabled[command] = on; }
    void checkMenuItem(forms::MenuCommand command, bool on) override { menuChecked[command] = on; }
    std::optional<std::string> askText(const std::string& title, const std::string&,
                                       const std::string& initial) override
    {
        textsAsked.push_back(title + ": " + initial);
        std::optional<std::string> answer = textAnswers.front();
        textAnswers.erase(textAnswers.begin());
        return answer;
    }
    bool isOptionSelected(std::string_view control) const override { return selected.contains(control); }
    void selectOption(std::string_view control) override
    {
        std::erase_if(selected, [control](const std::string& other) {
            return forms::isDateOption(other) == forms::isDateOption(control);
        });
        selected.insert(std::string(control));
    }
    std::string askForFolder(const std::string& start) override
    {
        foldersAsked.push_back(start);
        std::string answer = folderAnswers.front();
        folderAnswers.erase(folderAnswers.begin());
        return answer;
    }
    std::size_t askChoice(const run::Message& question, const std::vector<std::string>& answers,
                          std::size_t escapeAnswer) override
    {
        questions.push_back(question);
        answersOffered.push_back(answers);
        return choice.value_or(escapeAnswer);
    }
    void openCorrectionWindow() override { ++correctionWindows; }
    void showMessage(const run::Message& message) override { messages.push_back(message); }
    void processEvents() override
    {
        if (duringEvents) {
            duringEvents(++eventRounds);
        }
    }
    void closeAboutBox() override { ++aboutCloses; }
};

class FakePlaces : public forms::FolderPlaces
{
public:
    std::string remembered() const override { return {}; }
    bool isFolder(const std::string&) const override { return true; }
    bool mayWrite(const std::string&) const override { return true; }
    std::string documentsFolder() const override { return {}; }
    void makeFolder(const std::string&) const override {}
    // Drops the trailing slash a dialog may give.
    std::string clean(const std::string& path) const override
    {
        return path.ends_with('/') ? path.substr(0, path.size() - 1) : path;
    }
};

class FakeSettings : public ui::Settings
{
public:
    std::map<std::string, std::string, std::less<>> values;
    std::string text(std::string_view key) const override
    {
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    }
    void setText(std::string_view key, const std::string& value) override { values[std::string(key)] = value; }
};

} // namespace quillon::tests
