#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "fakes/recording_prompter.h"

namespace quorprog::testing {

// A main window on temporary folders: its program folder, help folder and settings file, and the
// per-user folders, so a test never touches the user's files. Boxes are answered by `prompter`,
// pages "opened" are recorded in `openedUrls`.
class ShellFixture : public ::testing::Test {
  protected:
    ShellFixture() {
        qputenv("XDG_CONFIG_HOME", root_.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", root_.filePath("data").toLocal8Bit());
        QDir(root_.path()).mkpath("program");
        QDir(root_.path()).mkpath("help");
    }

    QString programFolder() const { return root_.filePath("program") + "/"; }
    QString helpFolder() const { return root_.filePath("help"); }
    QString settingsPath() const { return root_.filePath("config/quorprog/quorprog.ini"); }

    ShellEnvironment environment() {
        ShellEnvironment env;
        env.programFolder = programFolder();
        env.settingsPath = settingsPath();
        env.helpFolder = helpFolder();
        env.prompter = &prompter;
        env.openUrl = [this](const QUrl& url) {
            openedUrls.push_back(url);
            return true;
        };
        return env;
    }

    // Starts the window; the test fails when the start-up refuses.
    TformMain& start() {
        window = TformMain::create(environment());
        if (!window) ADD_FAILURE() << "the main window did not start";
        return *window;
    }

    static void writeFile(const QString& path, const QByteArray& content) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void saveLanguage(const QByteArray& value) {
        writeFile(settingsPath(), "[GENERAL]\r\nLANGUAGE=" + value + "\r\n");
    }

    QTemporaryDir root_;
    RecordingPrompter prompter;
    std::vector<QUrl> openedUrls;
    std::unique_ptr<TformMain> window;
};

}  // namespace quorprog::testing
