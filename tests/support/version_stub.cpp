// The body of the test programs that exist only for their version resources.
int main() {
  return 0;
}
