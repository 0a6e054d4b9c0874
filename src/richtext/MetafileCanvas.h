#pragma once

#include "richtext/MetafilePlayer.h"
#include "richtext/WmfRecords.h"

#include <QBrush>
#include <QPen>
#include <QTransform>

#include <map>

namespace qm {

/// The device context a metafile draws on while it is played: the current
/// pen, brush, font, colours, window mapping and object table, over a
/// QPainter whose picture frame is `target`. Records arrive checked by
/// `MetafilePlayer`; the canvas still never trusts a value to be sensible
/// (sizes are bounded, divisions guarded).
class MetafileCanvas
{
public:
    /// `bounds` is the picture's frame in logical units (used until the
    /// metafile sets its window); `objectCount` the size of its object table.
    MetafileCanvas(QPainter &painter, const QRect &target, const QRect &bounds, int objectCount);
    ~MetafileCanvas();
    MetafileCanvas(const MetafileCanvas &) = delete;
    MetafileCanvas &operator=(const MetafileCanvas &) = delete;

    void play(const MetafilePlayer::Record &record);

private:
    struct LogFont {
        int height = 0;
        int escapement = 0; ///< tenths of a degree, counter-clockwise
        int weight = 400;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        QString face;
    };
    struct GdiObject {
        enum Kind { Pen, Brush, Font, Other } kind = Other;
        QPen pen;
        QBrush brush;
        LogFont font;
    };
    struct State {
        QPoint windowOrigin;
        QSize windowExtent{0, 0}; ///< zero until the metafile sets it
        QPen pen{Qt::black, 0};
        QBrush brush{Qt::white};
        LogFont font;
        QColor textColor = Qt::black;
        QColor backgroundColor = Qt::white;
        bool opaqueBackground = true;
        int textAlign = 0;
        QPointF position;
        Qt::FillRule fillRule = Qt::OddEvenFill;
    };

    QTransform mapping() const;
    void useMapping();
    void useDeviceCoordinates();
    QPen scaledPen() const;
    void addObject(GdiObject object);
    void selectObject(int index);
    void saveState();
    void restoreState(int relative);

    void drawShape(const wmf::Parameters &parameters, quint16 function);
    void drawPolygons(const wmf::Parameters &parameters, quint16 function);
    void drawText(QPointF logical, QByteArrayView text, const wmf::Parameters *advances, qsizetype advancesOffset);
    void drawBitmap(const wmf::Parameters &parameters, quint16 function);
    void patternBlit(const wmf::Parameters &parameters);
    void intersectClip(const wmf::Parameters &parameters);

    static GdiObject penFrom(const wmf::Parameters &parameters);
    static GdiObject brushFrom(const wmf::Parameters &parameters);
    static GdiObject fontFrom(const wmf::Parameters &parameters);

    QPainter &m_painter;
    QTransform m_base;
    QRect m_target;
    QRect m_bounds;
    int m_objectCapacity;
    std::map<int, GdiObject> m_objects;
    State m_state;
    std::vector<State> m_saved;
};

} // namespace qm
