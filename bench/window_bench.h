#pragma once
// What the window benchmarks share: prompts that answer without a person, and a meter of the
// longest wait of the interface while a command runs.
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "gui/widgets/prompts.h"

namespace norvane {

// Answers a message with only OK as OK and every question with `answer`; chooses nothing.
class AnsweringPrompts : public Prompts {
 public:
  explicit AnsweringPrompts(PromptAnswer answer) : answer_(answer) {}
  PromptAnswer messageBox(QWidget*, const QString&, const QString&, PromptIcon,
                          PromptButtons buttons) override {
    return buttons == PromptButtons::Ok ? PromptAnswer::Ok : answer_;
  }
  QStringList openFiles(QWidget*, const QString&, const QString&, bool) override { return {}; }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }

 private:
  PromptAnswer answer_;
};

// A 5 ms timer that notes its longest gap: how long the interface waited at worst.
class StallMeter {
 public:
  StallMeter() {
    ticker_.setInterval(5);
    QObject::connect(&ticker_, &QTimer::timeout,
                     [this] { longest_ = std::max(longest_, sinceTick_.restart()); });
  }
  void start() {
    ticker_.start();
    sinceTick_.start();
  }
  void stop() { ticker_.stop(); }
  long long longestMs() const { return longest_; }

 private:
  QTimer ticker_;
  QElapsedTimer sinceTick_;
  qint64 longest_ = 0;
};

}  // namespace norvane
