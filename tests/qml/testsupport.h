#pragma once

#include <QAtomicInt>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

class QQuickItem;
class QQuickWindow;

// Pixel probes for tests: grab the real window an item is shown in (any
// window, also a second top-level one, where Qt Quick Test's grabImage fails)
// and read colours at item coordinates.
class TestSupport : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Renders the item's window into the probe image; false when the item is not shown.
    Q_INVOKABLE bool grab(QQuickItem *item);
    // Colour of the last grab at the point (x, y) of the item, mapped to the scene.
    Q_INVOKABLE QColor pixel(QQuickItem *item, qreal x, qreal y) const;
    // True when every channel (alpha too) differs by at most the tolerance.
    // Takes colours or colour strings ("#rrggbb", "#aarrggbb", names).
    Q_INVOKABLE bool near(const QVariant &a, const QVariant &b, int tolerance = 8) const;
    // Mean colour over a rectangle of the item, so a probe is not fooled by one antialiased pixel.
    Q_INVOKABLE QColor average(QQuickItem *item, qreal x, qreal y, qreal width, qreal height) const;
    // Largest difference of any channel between two equally sized items of
    // the last grab, pixel by pixel: how far one drawing is from a reference.
    Q_INVOKABLE int largestDifference(QQuickItem *item, QQuickItem *reference) const;
    // Share (0 to 1) of the pixels of a rectangle of the item, in the last
    // grab, that are near the colour: does a text, a fill or a frame show there.
    Q_INVOKABLE qreal share(
        QQuickItem *item, qreal x, qreal y, qreal width, qreal height, const QVariant &color, int tolerance = 8) const;
    // Grabs again (as grab()); true when the item's part is the same as in
    // the grab before, so a caller can wait for a picture to settle.
    Q_INVOKABLE bool grabUnchanged(QQuickItem *item);
    // The item's part of the last grab, saved as an image (folders made as needed).
    Q_INVOKABLE bool saveItem(QQuickItem *item, const QString &path) const;
    // Largest difference of any channel between the item's part of the last
    // grab and an image saved by saveItem(); -1 when the file is missing or
    // another size, so a drawing of another size never passes.
    Q_INVOKABLE int differenceFromFile(QQuickItem *item, const QString &path) const;
    Q_INVOKABLE bool writeFile(const QString &path, const QString &text) const;
    // The text of a file or resource (":/..." or a path), empty when unreadable.
    Q_INVOKABLE QString readFile(const QString &path) const;
    // The Qt Quick Controls style in force in this process.
    Q_INVOKABLE QString styleName() const;
    // The same against the reference turned left to right: how far a mirrored
    // drawing is from the mirror image of the plain one. Rectangles of `skip`
    // (in the item's coordinates) are left out: texts and pictures, which a
    // mirrored layout moves but never turns. Gives {largest, x, y}, the
    // largest difference and where in the item it lies; largest is -1 when
    // the two differ in size or leave the grab. Each pixel is matched with
    // the nearest of the turned ones up to `slack` pixels to either side:
    // an edge on a half pixel falls to one side of it, whichever way it faces.
    Q_INVOKABLE QVariantMap mirrorDifference(
        QQuickItem *item, QQuickItem *reference, const QVariantList &skip, int slack = 0) const;
    Q_INVOKABLE bool save(const QString &path) const { return m_image.save(path); }
    // Lines the documents print (console.log and the like, not engine
    // warnings) from the last call of recordMessages() on, for tests of log output.
    Q_INVOKABLE void recordMessages();
    Q_INVOKABLE QStringList recordedMessages() const;
    // Replaces the logging rules set by earlier calls (QLoggingCategory::setFilterRules;
    // an empty string drops them), as a host would with QT_LOGGING_RULES.
    Q_INVOKABLE void setLoggingRules(const QString &rules) const;
    // What a screen reader is told about the item: role (a QAccessible::Role),
    // name, description, the states that matter here (focusable and focused
    // among them) and the action names.
    // The first call switches accessibility on, as an assistive tool would.
    Q_INVOKABLE QVariantMap accessible(QQuickItem *item) const;
    // Role and name of each child a screen reader finds under the item, in order.
    Q_INVOKABLE QVariantList accessibleChildren(QQuickItem *item) const;
    // Triggers an action of the item the way an assistive tool does; false when it has none of that name.
    Q_INVOKABLE bool accessibleAction(QQuickItem *item, const QString &action) const;
    // Switches accessibility off again, as when the assistive tool goes.
    Q_INVOKABLE void endAccessibility() const;
    // A variable of the process environment, or the fallback when it is unset
    // or empty: lets a long-running test take a seed or a size from outside.
    Q_INVOKABLE QString environment(const QString &name, const QString &fallback = QString()) const;
    // Text made from now on draws natively, with grey antialiasing, whose
    // edges carry no hue of their own and come out the same in every run
    // (distance-field text here fringes in colour and varies by a few levels
    // from run to run): for tests that sort pixels by hue or compare runs.
    Q_INVOKABLE void useGreyText() const;
    // How many frames the item's window has shown since it was first asked
    // here; asks for one more, which moves whatever animates in it on.
    Q_INVOKABLE int frames(QQuickItem *item);
    // From now on each tick of the animation clock moves every animation on by
    // exactly this many milliseconds, however long the frame took (0: by the
    // clock again): a test counts frames where it would otherwise time them.
    Q_INVOKABLE void setAnimationStep(int milliseconds) const;
    // Keeps the last grab under a name, to compare a later grab with it.
    Q_INVOKABLE void keep(const QString &name);
    // The last grab against a kept one, over the item's box grown by margin on
    // every side: the largest channel difference ("largest"), the ratio of
    // the summed channels of the pixels that differ ("brightness", last over
    // kept: how far a dimmed part keeps its light) and, for a change
    // of accent from `from` to `to`, "accentPixels" (kept pixels plainly of
    // the old accent's hue), "stayed" (of those, how many do not show the new
    // accent's hue) and "strays" (pixels without the old accent's tint that
    // changed all the same).
    Q_INVOKABLE QVariantMap compareWithKept(QQuickItem *item, const QString &name, qreal margin,
        const QColor &from = QColor(), const QColor &to = QColor()) const;

private:
    QPoint toImage(QQuickItem *item, qreal x, qreal y) const;
    QImage itemImage(QQuickItem *item) const;

    QImage m_image;
    QHash<QString, QImage> m_kept;
    QSet<QQuickWindow *> m_counted;
    // Counted on the thread that renders.
    QAtomicInt m_frames;
    qreal m_ratio = 1;
};
