"""Generator of the program's skin: every background resource and every Resources\\ picture."""
