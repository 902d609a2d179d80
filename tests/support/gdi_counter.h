// Counts the GDI objects the program's code creates and deletes, by
// redirecting this executable's imports of the creating and deleting
// functions. Wine does not count GDI objects per process itself.
#pragma once

// Installs the counting imports; later calls do nothing.
void InstallGdiCounter();

// Objects created (pens, fonts, brushes, memory contexts, pictures, DIB sections) minus objects
// deleted successfully, since the counter was installed.
long GdiObjectsOutstanding();
long GdiObjectsCreated();
// Deletions that failed (an object still selected, a bad handle).
long GdiFailedDeletions();
// The next `count` pens the program asks for are refused, as when GDI runs
// out of room.
void FailPenCreations(int count);
