// Replaced by the demo's scene code.
