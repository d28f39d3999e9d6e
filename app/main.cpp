// The tree demo's entry point (filled in by the window layer work).
int main() { return 0; }
