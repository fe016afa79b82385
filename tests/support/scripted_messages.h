#pragma once

#include <deque>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QString>

#include "dialogs/message_layer.h"

// A message layer that answers as the test says and keeps what it was asked.
// Unscripted message boxes take their default button, unscripted questions
// "Non", unscripted popups nothing.
class ScriptedMessages : public tess::MessageLayer {
  public:
    struct Box {
        QString text;
        int style;
        QString title;
    };
    struct Question {
        QString caption;
        QString text;
    };
    struct Popup {
        QString menu;
        QString defaultItem;
        QPoint at;
    };

    std::vector<Box> boxes;
    std::deque<tess::MessageAnswer> boxAnswers;
    std::vector<Question> questions;
    std::deque<bool> questionAnswers;
    std::vector<QString> waits;
    int waitsHidden = 0;
    std::vector<Popup> popups;
    QString popupChoice;  // object name of the item to choose, empty for none
    std::deque<QString> files;
    std::deque<QString> saveFiles;
    struct FileDialog {
        QString title, folder, filter, preset;
    };
    std::vector<FileDialog> saveDialogs;

    tess::MessageAnswer messageBox(const QString& text, int style, const QString& title) override {
        boxes.push_back({text, style, title});
        if (!boxAnswers.empty()) {
            const tess::MessageAnswer a = boxAnswers.front();
            boxAnswers.pop_front();
            return a;
        }
        return tess::decodeMessageStyle(style).defaultButton();
    }
    void showWait(const QString& text) override { waits.push_back(text); }
    void hideWait() override { ++waitsHidden; }
    QAction* popup(QMenu& menu, const QPoint& at, QAction* defaultItem) override {
        popups.push_back(
            {menu.objectName(), defaultItem ? defaultItem->objectName() : QString(), at});
        if (popupChoice.isEmpty()) return nullptr;
        for (QAction* a : menu.actions())
            if (a->objectName() == popupChoice && a->isEnabled()) {
                a->trigger();
                return a;
            }
        return nullptr;
    }
    std::vector<FileDialog> openDialogs;
    QString openFile(const QString& title, const QString& folder, const QString& filter) override {
        openDialogs.push_back({title, folder, filter, {}});
        if (files.empty()) return {};
        const QString f = files.front();
        files.pop_front();
        return f;
    }

    QString saveFile(const QString& title, const QString& folder, const QString& filter,
                     const QString& preset) override {
        saveDialogs.push_back({title, folder, filter, preset});
        if (saveFiles.empty()) return {};
        const QString f = saveFiles.front();
        saveFiles.pop_front();
        return f;
    }

  protected:
    tess::Byte askQuestion(const QString& caption, const QString& text) override {
        questions.push_back({caption, text});
        bool yes = false;
        if (!questionAnswers.empty()) {
            yes = questionAnswers.front();
            questionAnswers.pop_front();
        }
        return yes ? tess::kAnswerOui : tess::kAnswerNon;
    }
};
