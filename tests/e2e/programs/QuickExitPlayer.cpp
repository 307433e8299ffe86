// Stands in for a player that gives up at once: it ends as soon as it
// starts, before anyone could stop it.
int wmain() { return 0; }
