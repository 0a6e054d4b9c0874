#include "richtext/TextHeader.h"

#include "platform/Environment.h"
#include "platform/RoundHalfEven.h"

#include <algorithm>
#include <numeric>

namespace {

bool sameFontName(QStringView left, QStringView right)
{
    return left.size() == right.size() && left.compare(right, Qt::CaseInsensitive) == 0;
}

} // namespace

TTextHeader::TTextHeader()
    : pixelsPerInchX(qm::Environment::screenPixelsPerInch())
    , pixelsPerInchY(qm::Environment::screenPixelsPerInch())
{
    reset();
}

const std::array<TColor, TTextHeader::ColorCount> &TTextHeader::defaultColors()
{
    using qm::rgbColor;
    static const std::array<TColor, ColorCount> colors = {
        rgbColor(0, 0, 0),       rgbColor(255, 0, 0),     rgbColor(0, 128, 0),     rgbColor(0, 0, 255),
        rgbColor(255, 255, 0),   rgbColor(255, 0, 255),   rgbColor(128, 0, 128),   rgbColor(128, 0, 0),
        rgbColor(0, 255, 0),     rgbColor(0, 255, 255),   rgbColor(0, 128, 128),   rgbColor(0, 0, 128),
        rgbColor(255, 255, 255), rgbColor(192, 192, 192), rgbColor(128, 128, 128), rgbColor(0, 0, 0),
    };
    return colors;
}

void TTextHeader::reset()
{
    for (int i = 1; i < FontCount; ++i)
        fonts[i] = TFontEntry();
    colors = defaultColors();
    resetTabs();
    pageWidth = 12240;
    pageHeight = 15840;
    leftMargin = 1880;
    rightMargin = 1880;
    topMargin = 1440;
    bottomMargin = 1440;
    pageFlags = 1;
    defaultTabTwips = 0;
    recalcTextSize();
    title.clear();
    subject.clear();
    comment.clear();
}

int TTextHeader::GetFontNr(const QString &fullName)
{
    const QStringView name = QStringView(fullName).first(std::min<qsizetype>(fullName.size(), FontNameLength));
    for (int i = 0; i < FontCount; ++i) {
        if (fonts[i].name.isEmpty()) {
            fonts[i].name = name.toString();
            return i;
        }
        if (sameFontName(fonts[i].name, name))
            return i;
    }
    return 0;
}

int TTextHeader::fontCount() const
{
    int count = 0;
    while (count < FontCount && !fonts[count].name.isEmpty())
        ++count;
    return count;
}

TColor TTextHeader::GetColorEntry(int number) const
{
    number &= 0x7F;
    return number < ColorCount - 1 ? colors[number] : qm::clBlack;
}

int TTextHeader::twipsToPixelsX(int twips) const
{
    return qm::mulDiv(twips, pixelsPerInchX, 1440);
}
int TTextHeader::twipsToPixelsY(int twips) const
{
    return qm::mulDiv(twips, pixelsPerInchY, 1440);
}

void TTextHeader::recalcTextSize()
{
    textWidthPixels = twipsToPixelsX(pageWidth - leftMargin - rightMargin);
    textHeightPixels = twipsToPixelsY(pageHeight - topMargin - bottomMargin);
}

void TTextHeader::resetTabs()
{
    tabs.fill(TTabStop());
    std::iota(tabOrder.begin(), tabOrder.end(), quint8(0));
}

int TTextHeader::tabGrid() const
{
    return unit == TTextUnit::Inch ? 144 : 141;
}

int TTextHeader::findTab(qint32 twips, TTabKind kind) const
{
    for (int i = 0; i < TabCount; ++i) {
        if (tabs[i].twips == twips && (kind == tkAll || tabs[i].kind == kind))
            return i;
    }
    return -1;
}

quint64 TTextHeader::addTab(qint32 twips, TTabKind kind)
{
    if (twips <= 0)
        return 0;
    int index = findTab(twips, kind);
    if (index < 0 && pixelsPerInchX > 0) {
        const int grid = tabGrid();
        twips = (twips + grid / 2 + 1) / grid * grid;
        index = findTab(twips, kind);
    }
    if (index >= 0)
        return quint64(1) << index;

    index = findTab(0, tkAll);
    if (index < 0 && tabTableFull) {
        tabTableFull();
        index = findTab(0, tkAll);
    }
    if (index < 0)
        return 0;
    tabs[index].twips = twips;
    tabs[index].pixels = twipsToPixelsX(twips);
    tabs[index].kind = kind == tkAll ? defaultTabKind : kind;
    sortTabs();
    return quint64(1) << index;
}

void TTextHeader::sortTabs()
{
    const auto key = [this](quint8 index) { return tabs[index].twips == 0 ? EmptyTabSortKey : tabs[index].twips; };
    std::iota(tabOrder.begin(), tabOrder.end(), quint8(0));
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [&](quint8 a, quint8 b) { return key(a) < key(b); });
}

void TTextHeader::recalcTabPixels()
{
    for (TTabStop &tab : tabs)
        tab.pixels = twipsToPixelsX(tab.twips);
}
