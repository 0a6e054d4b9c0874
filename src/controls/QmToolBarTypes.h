#pragma once

#include <QFlags>

// What a formatting toolbar shows and what its lists and buttons report.

/// The drop-down lists a toolbar can show.
enum TQmTbListbox {
    SelFontName = 0x01,
    SelFontSize = 0x02,
    SelFontColor = 0x04,
    SelBackgroundColor = 0x08,
    SelStyle = 0x10,
    SelParColor = 0x20,
};
Q_DECLARE_FLAGS(TqmTbListboxen, TQmTbListbox)
Q_DECLARE_OPERATORS_FOR_FLAGS(TqmTbListboxen)

/// Character-style and alignment buttons.
enum TQmTbIcon {
    SelNormal = 0x0001,
    SelBold = 0x0002,
    SelItalic = 0x0004,
    SelUnder = 0x0008,
    SelHyperLink = 0x0010,
    SelStrikeOut = 0x0020,
    SelSuper = 0x0040,
    SelSub = 0x0080,
    SelLeft = 0x0100,
    SelHidden = 0x0200,
    SelRTFCode = 0x0400,
    SelRight = 0x0800,
    SelBlock = 0x1000,
    SelCenter = 0x2000,
};
Q_DECLARE_FLAGS(TqmTbIcons, TQmTbIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(TqmTbIcons)

/// File and printing buttons.
enum TQmTbIcon2 {
    SelExit = 0x01,
    SelNew = 0x02,
    SelOpen = 0x04,
    SelSave = 0x08,
    SelClose = 0x10,
    SelPrint = 0x20,
    SelPrintSetup = 0x40,
};
Q_DECLARE_FLAGS(TqmTbIcons2, TQmTbIcon2)
Q_DECLARE_OPERATORS_FOR_FLAGS(TqmTbIcons2)

/// Record-navigation buttons.
enum TQmTbIcon3 {
    SelToStart = 0x001,
    SelNext = 0x002,
    SelPrev = 0x004,
    SelToEnd = 0x008,
    SelEdit = 0x010,
    SelAdd = 0x020,
    SelDel = 0x040,
    SelCancel = 0x080,
    SelPost = 0x100,
};
Q_DECLARE_FLAGS(TqmTbIcons3, TQmTbIcon3)
Q_DECLARE_OPERATORS_FOR_FLAGS(TqmTbIcons3)

/// Editing buttons.
enum TQmTbIcon4 {
    SelCopy = 0x01,
    SelCut = 0x02,
    SelPaste = 0x04,
    SelSelAll = 0x08,
    SelHideSel = 0x10,
    SelFind = 0x20,
    SelReplace = 0x40,
    SelSpellCheck = 0x80,
};
Q_DECLARE_FLAGS(TqmTbIcons4, TQmTbIcon4)
Q_DECLARE_OPERATORS_FOR_FLAGS(TqmTbIcons4)

/// Where the font-name list takes its fonts from.
enum TFontSelChoice { fsPrinterFonts, fsScreenFonts };

/// What a choice in a list changes; the number the editing control receives.
enum TQmSelNr {
    snFontName = 1,
    snFontSize = 2,
    snFontColor = 3,
    snBackgroundColor = 4,
    snStyle = 5,
    snParColor = 10,
};

/// Button groups: what the editing control receives with a button's number.
enum TQmButtonGroup {
    bgCharacterStyle = 256,
    bgAlignment = 512,
    bgEditing = 768,
    bgFile = 1024,
    bgPrinting = 1280,
    bgRecordNavigation = 1536,
};
