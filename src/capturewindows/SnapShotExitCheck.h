#pragma once

#include <QString>
#include <functional>

class QWidget;
class SnapShotList;

// Asks an OK/Cancel question; true for OK.
using SnapShotQuitQuestion = std::function<bool(QWidget* parent, const QString& question)>;

// The question box with a question icon.
SnapShotQuitQuestion StandardSnapShotQuitQuestion();

// The check before the main window closes: while the list holds a snapshot
// that was never saved, asks whether to quit anyway. True when the
// application may close.
bool MayQuitWithSnapShots(const SnapShotList& list, QWidget* parent,
                          const SnapShotQuitQuestion& ask = StandardSnapShotQuitQuestion());
