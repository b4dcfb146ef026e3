// Builds a content file (.kq) from a tab-separated source: Arabic text,
// explanation, web address; one record per line. (Filled in by the content
// work.)
int main() { return 0; }
