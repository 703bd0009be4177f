"""Drawing and packaging helpers for Pelmar's own skins (standard library only)."""
