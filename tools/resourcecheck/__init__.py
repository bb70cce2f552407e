"""Reading and checking the game's resource_db the way the game itself reads it."""
