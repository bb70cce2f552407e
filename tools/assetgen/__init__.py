"""Generators that turn the text sources under assets/ into the game's resource_db."""
