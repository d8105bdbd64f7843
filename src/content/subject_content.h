// The subject pack's content as a whole: the descriptor's values and the question bank.
#pragma once

// Puts the descriptor's values and the question bank back to their start-up state.
void ResetSubjectContent();
