// The File menu: save, load, help and version.

#include "core/fom.h"

void Fom::menu1_Click(int)
{
    // Saving, loading, help and the version box are not built yet: the items
    // are in the menu and do nothing when chosen, and a save reports that it
    // wrote nothing (LastSaveSucceeded stays false).
}
