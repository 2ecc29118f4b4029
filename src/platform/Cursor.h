#pragma once

// The system cursors the view shows: arrow, pointing hand over enabled keys, busy while a task plays.
enum class CursorKind { Arrow, Hand, Wait };
