"""Drawing kit for NookBackup's bitmap skin."""
