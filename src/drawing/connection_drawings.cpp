#include "drawing/connection_drawings.h"

#include "drawing/drawing_input.h"

namespace jw {

void DrawWspConnection(DrawingCanvas& canvas, const TextGrid& grid,
                       const ConnectionChoices& choices) {
    DrawShearConnection(canvas, WspShearDrawing(grid, choices));
}

void DrawAcltConnection(DrawingCanvas& canvas, const TextGrid& grid,
                        const ConnectionChoices& choices) {
    DrawShearConnection(canvas, AcltShearDrawing(grid, choices));
}

void DrawBmepConnection(DrawingCanvas& canvas, const TextGrid& grid,
                        const ConnectionChoices& choices) {
    DrawEndPlateConnection(canvas, BmepEndPlateDrawing(grid, choices));
}

void DrawBsplConnection(DrawingCanvas& canvas, const TextGrid& grid,
                        const ConnectionChoices& choices) {
    DrawSpliceConnection(canvas, BsplSpliceDrawing(grid, choices));
}

void DrawClassicConnection(DrawingCanvas& canvas, ConnectionType type, const TextGrid& grid,
                           const ConnectionChoices& choices) {
    switch (type) {
        case ConnectionType::WSP:
            DrawWspConnection(canvas, grid, choices);
            break;
        case ConnectionType::ACLT:
            DrawAcltConnection(canvas, grid, choices);
            break;
        case ConnectionType::BMEP:
            DrawBmepConnection(canvas, grid, choices);
            break;
        case ConnectionType::BSPL:
            DrawBsplConnection(canvas, grid, choices);
            break;
        case ConnectionType::None:
            break;
    }
}

}  // namespace jw
