#pragma once
// Memory freed by a large list (millions of lines of small texts) stays with
// the process's allocator, scattered between what is still in use; this hands
// the whole free pages back to the system, so closing such a list gives its
// memory back.
void GiveBackFreedMemory();
