#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <mutex>

class OverlayRegistry;
class QPainter;

// An overlay painter: draws on each displayed frame after conversion and
// before display. While switched on it has an entry in its camera's overlay
// registry under its key (0 = switched off); the acquisition thread then calls
// Draw through Trampoline, holding the painter's critical section, which
// Reset and reconfiguration take too.
//
// Draw paints with the QPainter the acquisition thread opened on the frame's
// pixels (Format_Grayscale8 or Format_BGR888), so it changes the frame itself.
class OverlayPainter {
public:
    // registry: the camera's overlay registry, which must outlive the painter.
    OverlayPainter(OverlayRegistry* registry, QString name);
    // Removes the painter's entry when it is still switched on. Derived
    // painters are gone by then: switch a painter off (DisablePainter) before
    // destroying it while its camera's acquisition thread runs.
    virtual ~OverlayPainter();
    OverlayPainter(const OverlayPainter&) = delete;
    OverlayPainter& operator=(const OverlayPainter&) = delete;

    // Draws on a width x height frame; blockId is the low 32 bits of the
    // frame's block id, droppedCount the number of frames received but not
    // displayed since the previous displayed one (null when unknown).
    virtual void Draw(QPainter& painter, int32_t width, int32_t height, uint32_t blockId,
                      const int32_t* droppedCount) = 0;
    // Called when the painter is switched on; nothing by default.
    virtual void Reset() {}

    // The name shown in the "Callback Functions" dialog.
    const QString& Name() const { return name_; }
    OverlayRegistry* Registry() const { return registry_; }
    uint32_t Key() const { return key_; }
    void SetKey(uint32_t key) { key_ = key; }
    bool IsEnabled() const { return key_ != 0; }

    // The registry's entry function for every painter: runs Draw under the
    // painter's critical section. userData is the painter.
    static void Trampoline(QPainter& painter, uint8_t* pixels, int32_t width, int32_t height, uint32_t blockId,
                           void* userData, const int32_t* droppedCount);

protected:
    std::mutex& CriticalSection() { return criticalSection_; }

    // True when the painter draws on a grey (one byte per pixel) frame.
    static bool IsGreyFrame(const QPainter& painter);
    // The colour as the frame shows it: its grey level on a grey frame, so
    // that lines and fills of one colour come out alike.
    static QColor FrameColor(const QPainter& painter, const QColor& color);
    // Writes text as the frame's default text settings do: black on an
    // opaque white box, whose corner given by alignment (left or right, top
    // or bottom) lies at (x, y).
    static void DrawText(QPainter& painter, int x, int y, Qt::Alignment alignment, const QString& text);

private:
    QString name_;
    OverlayRegistry* registry_;
    std::mutex criticalSection_;
    uint32_t key_ = 0;
};

// Switches a painter on: a painter that has a key first loses its entry
// (failing when the registry has no entry with that key), then Reset runs and
// a new entry is appended under a key one above the largest in the list.
// False without a registry. User interface thread.
bool EnablePainter(OverlayPainter& painter);
// Removes the entry with that key from the painter's registry; false when
// there is none. The caller then clears the painter's key.
bool DisablePainter(OverlayPainter& painter, uint32_t key);
