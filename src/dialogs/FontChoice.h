#pragma once

class CAbstractT;

// "Font settings": the font of the task texts; the current task takes it at once.
void ChooseMainFont(CAbstractT& task);
// "Result font settings": the font of the results.
void ChooseResultFont(CAbstractT& task);
