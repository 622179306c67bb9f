"""Named checks that all run, each printed as it is decided, with a closing count."""


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def expect(self, name, actual, expected):
        if actual == expected:
            self.passed += 1
            print(f"PASS {name}", flush=True)
        else:
            self.failed += 1
            print(f"FAIL {name}\n  expected: {expected!r}\n  actual:   {actual!r}", flush=True)
        return actual == expected

    def summary(self):
        """Prints the closing count and returns the exit status."""
        print(f"{self.passed} passed, {self.failed} failed", flush=True)
        return 1 if self.failed else 0
