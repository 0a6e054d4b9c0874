#pragma once

/// Horizontal placement of a control's content.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
