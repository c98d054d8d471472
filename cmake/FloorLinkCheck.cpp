// Never run: it only links one floor whole against the floors below it, so that a call from the
// floor to a higher one is an undefined symbol and fails the build.
int main() { return 0; }
