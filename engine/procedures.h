#pragma once
// The numeric procedures the evaluator reaches through the catalogue: min (0), solve (22),
// integral (27), max (37), mean (38), std (39), sum (41), poly (43), stat (44) and the loop (99).
#include "engine/real.h"

namespace brelt::engine {

class Engine;

// Called with the engine positioned just after the procedure's name and its "(" (for the lists
// the current character is the first one of the list; for the loop the one after "do("), with
// ArgumentDepth already raised by one for the call. The procedure reads its own arguments and
// stops on the closing ")" (or the end of the text): the evaluator consumes that character. It
// returns the value, or raises the error state through the engine.
Real CallProcedure(Engine& engine, int code);

} // namespace brelt::engine
