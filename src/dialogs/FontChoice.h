#pragma once

class Font;

// "Font settings": the font of the task texts, made into the task's font at once.
void ChooseMainFont(Font& taskFont);
// "Result font settings": the font of the results.
void ChooseResultFont(Font& taskFont);
